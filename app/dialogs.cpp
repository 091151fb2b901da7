#include "dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace bars::app {

void TQtDialogs::Information(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Informazione"), text);
}

void TQtDialogs::Warning(const QString& text) {
  QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Attenzione"), text);
}

void TQtDialogs::Error(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Errore"), text);
}

std::optional<QString> TQtDialogs::AskSaveFileName(const QString& filter, const QString& suffix) {
  QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Salva immagine"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace bars::app
