// SDL platform layer (filled in by the shell work)
