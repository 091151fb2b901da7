#include "dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace bars::app {

void TQtDialogs::Information(const QString& text) {
  QMessageBox::information(owner_, QStringLiteral("Informazione"), text);
}

void TQtDialogs::Warning(const QString& text) {
  QMessageBox::warning(owner_, QStringLiteral("Attenzione"), text);
}

void TQtDialogs::Error(const QString& text) {
  QMessageBox::critical(owner_, QStringLiteral("Errore"), text);
}

std::optional<QString> TQtDialogs::AskSaveFileName(const QString& filter, const QString& suffix) {
  QFileDialog dialog(owner_, QStringLiteral("Salva immagine"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  // With several filters, a bare name takes the extension of the one picked.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                   [&dialog](const QString& picked) {
                     static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
                     const QRegularExpressionMatch match = pattern.match(picked);
                     if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
                   });
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

}  // namespace bars::app
