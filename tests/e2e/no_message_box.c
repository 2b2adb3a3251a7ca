/* Preloaded into the game by dialog_test.sh: the system cannot show a
 * message box, as on a desktop without X core fonts or zenity. */
int SDL_ShowMessageBox(const void* data, int* button)
{
    (void)data;
    if (button) *button = -1;
    return -1;
}
