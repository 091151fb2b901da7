// The bodies of the shared row suites of support/cases.h; each family's file holds its rows.
#include "support/cases.h"

#include "support/recording_canvas.h"
#include "support/test_support.h"

namespace bars::test {
namespace {

std::vector<bool> ChecksumSettings(Check check) {
  if (check == Check::Ignored) return {false, true};
  return {check == Check::On};
}

TEST_P(Encodes, GoldenPattern) {
  const GoldenCase& c = GetParam();
  std::string pattern = Unspaced(c.pattern);
  const bool endOnly = pattern.starts_with("...");
  if (endOnly) pattern.erase(0, 3);
  for (bool checksum : ChecksumSettings(c.checksum)) {
    TBarcode bc;
    Configure(bc, c.typ, checksum, c.method, c.text);
    for (int build = 1; build <= 2; ++build) {  // the second sees the Text the first left
      const std::string built = bc.BuildPattern();
      if (endOnly)
        EXPECT_TRUE(built.ends_with(pattern)) << c.source << ", build " << build << ": " << built;
      else
        EXPECT_EQ(built, pattern) << c.source << ", build " << build << ", checksum " << checksum;
      EXPECT_EQ(bc.Text(), c.textAfter ? c.textAfter : c.text) << c.source << ", build " << build;
    }
  }
}

TEST_P(Rejects, WithItsMessageDrawingNothingAndKeepingText) {
  const RejectCase& c = GetParam();
  for (bool checksum : ChecksumSettings(c.checksum)) {
    SCOPED_TRACE(checksum ? "checksum on" : "checksum off");
    TBarcode bc;
    Configure(bc, c.typ, checksum, c.method, c.text);
    try {
      bc.BuildPattern();
      ADD_FAILURE() << "built";
    } catch (const Exception& e) {
      const std::string& m = e.Message();
      switch (c.raises) {
        case Raises::AssertionFailed:  // "<text> (<file>, line <n>)"
          EXPECT_NE(dynamic_cast<const EAssertionFailed*>(&e), nullptr) << m;
          EXPECT_TRUE(m.starts_with(c.message) && m.ends_with(")")) << m;
          break;
        case Raises::ConvertError:
          EXPECT_NE(dynamic_cast<const EConvertError*>(&e), nullptr) << m;
          EXPECT_EQ(m, c.message);
          break;
        case Raises::Exception:
          EXPECT_EQ(m, c.message);
          break;
      }
    }
    EXPECT_EQ(bc.Text(), c.text);
    RecordingCanvas canvas;
    EXPECT_THROW(bc.PaintTo(canvas), Exception);
    EXPECT_EQ(canvas.Calls, "");
  }
}

TEST_P(SameSymbol, AsTheOtherSettings) {
  const SameCase& c = GetParam();
  for (bool checksum : ChecksumSettings(c.checksum)) {
    TBarcode bc, other;
    Configure(bc, c.typ, checksum, c.method, c.text);
    Configure(other, c.otherTyp, false, csmModulo10, c.otherText);
    const std::string pattern = other.BuildPattern();
    ExpectRepeatableBuild(other, pattern, c.otherText, c.source);
    ExpectRepeatableBuild(bc, pattern, c.text, c.source);
  }
}

}  // namespace
}  // namespace bars::test
