// The window tests need the utility's own application object, made once; it is created only
// when tests run, not when CTest lists them. CTest sets QT_QPA_PLATFORM=offscreen: no display.
#include <gtest/gtest.h>

#include <memory>

#include "application.h"

namespace {

class Application : public ::testing::Environment {
 public:
  Application(int& argc, char** argv) : argc_(argc), argv_(argv) {}
  void SetUp() override {
    app_ = std::make_unique<bars::app::TApplication>(argc_, argv_);
    app_->setQuitOnLastWindowClosed(false);
  }
  void TearDown() override { app_.reset(); }

 private:
  int& argc_;
  char** argv_;
  std::unique_ptr<bars::app::TApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new Application(argc, argv));
  return RUN_ALL_TESTS();
}
