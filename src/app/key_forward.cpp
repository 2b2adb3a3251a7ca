#include "app/key_forward.h"

#include "editor/slide_menu.h"

void forwardKeyToEditor(int virtualKey)
{
    editor.editorKeyDown(virtualKey);
}

bool editorTextFieldFocused()
{
    if (!editor.active) return false;
    for (const Insert& field : editor.inserts)
        if (field.focused) return true;
    return false;
}
