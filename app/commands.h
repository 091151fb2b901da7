#pragma once
// The window's commands beyond its two buttons, kept out of its way: a context menu on the
// window ("Anteprima", "Copia", "Salva...", "Salva come...") and the shortcuts F2, Ctrl+C and
// Ctrl+S. The edit box and the list keep their own menus.

#include <QWidget>
#include <functional>
#include <initializer_list>

namespace bars::app {

class TForm1;

// What the window's buttons do, and "Salva come...": the menu and the shortcuts run exactly
// these, so they say and warn what the buttons say and warn.
struct TFormCommandHandlers {
  std::function<void()> copy;
  std::function<void()> save;
  std::function<void()> saveAs;
};

// Gives `form` its menu and shortcuts, and the preview that "Anteprima" and F2 open and close
// (a TPreview child of `form`, made when first opened, following every PictureChanged). In
// `edits` (edit boxes, editable lists), Ctrl+C with text selected copies the text as usual;
// without a selection it copies the picture.
void InstallCommands(TForm1& form, std::initializer_list<QWidget*> edits,
                     TFormCommandHandlers handlers);

}  // namespace bars::app
