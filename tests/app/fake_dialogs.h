#pragma once
// Test doubles for the utility's modal windows: boxes are recorded, the save dialog answers
// what the test set beforehand. Nothing ever blocks.

#include <QString>
#include <QStringList>
#include <optional>

#include "dialogs.h"

namespace bars::app::test {

class TFakeDialogs final : public TDialogs {
 public:
  void Information(const QString& text) override { information << text; }
  void Warning(const QString& text) override { warnings << text; }
  void Error(const QString& text) override { errors << text; }
  std::optional<QString> AskSaveFileName(const QString& filter, const QString& suffix) override {
    ++asks;
    askedFilter = filter;
    askedSuffix = suffix;
    return answer;
  }

  QStringList information;
  QStringList warnings;
  QStringList errors;
  std::optional<QString> answer;  // the file the "user" picks; nullopt cancels
  int asks = 0;
  QString askedFilter;
  QString askedSuffix;
};

}  // namespace bars::app::test
