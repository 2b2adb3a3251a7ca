#include "app/key_forward.h"

#include "editor/slide_menu.h"

void forwardKeyToEditor(int virtualKey)
{
    editor.editorKeyDown(virtualKey);
}
