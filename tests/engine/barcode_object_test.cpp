// The barcode object: defaults, notification rules, Assign, ownership, catalogue.
#include <gtest/gtest.h>

#include <vector>

#include "bars.h"
#include "support/published_types.h"
#include "support/test_support.h"

namespace bars {
namespace {

using test::ChangeCounter;

TEST(BarcodeObject, StartsWithTheDocumentedDefaults) {
  TBarcode bc;
  EXPECT_EQ(bc.Typ(), bcCodeEAN13);
  EXPECT_EQ(bc.Modul(), 1);
  EXPECT_EQ(bc.Ratio(), 2.0);
  EXPECT_EQ(bc.Height(), 0);
  EXPECT_EQ(bc.Text(), "");
  EXPECT_EQ(bc.Top(), 0);
  EXPECT_EQ(bc.Left(), 0);
  EXPECT_FALSE(bc.Checksum());
  EXPECT_EQ(bc.ShowText(), bcoNone);
  EXPECT_EQ(bc.Angle(), 0.0);
  EXPECT_EQ(bc.CheckSumMethod(), csmModulo10);
  EXPECT_EQ(bc.Color(), 0xFFFFFFu);
  EXPECT_EQ(bc.ColorBar(), 0u);
  EXPECT_EQ(bc.ShowTextPosition(), stpTopLeft);
  EXPECT_FALSE(bc.OnChange());
  EXPECT_EQ(bc.GetTypName(), "EAN13");
  EXPECT_EQ(bc.ShowTextFont().Size(), 8);
  EXPECT_EQ(bc.ShowTextFont().Height(), -11);
}

// Each notifying write: same value -> no call; different value -> exactly one call, and the
// handler already sees the new value.
struct NotifyingWrite {
  const char* name;
  std::function<void(TBarcode&)> writeOther;
  std::function<void(TBarcode&)> writeSame;
  std::function<bool(const TBarcode&)> holdsNew;
  friend void PrintTo(const NotifyingWrite& w, std::ostream* os) { *os << w.name; }
};

class NotifyingWrites : public ::testing::TestWithParam<NotifyingWrite> {};

TEST_P(NotifyingWrites, NotifyOnceOnChangeAndNeverOnEqualValue) {
  const auto& w = GetParam();
  TBarcode bc;
  int calls = 0;
  bool sawNew = false;
  bc.SetOnChange([&](TBarcode& sender) {
    ++calls;
    EXPECT_EQ(&sender, &bc);
    sawNew = w.holdsNew(sender);
  });
  w.writeSame(bc);
  EXPECT_EQ(calls, 0);
  w.writeOther(bc);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(sawNew);
  w.writeOther(bc);
  EXPECT_EQ(calls, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, NotifyingWrites,
    ::testing::ValuesIn(std::vector<NotifyingWrite>{
        NotifyingWrite{"Height", [](TBarcode& b) { b.SetHeight(50); },
                       [](TBarcode& b) { b.SetHeight(0); },
                       [](const TBarcode& b) { return b.Height() == 50; }},
        NotifyingWrite{"Text", [](TBarcode& b) { b.SetText("123"); },
                       [](TBarcode& b) { b.SetText(""); },
                       [](const TBarcode& b) { return b.Text() == "123"; }},
        NotifyingWrite{"TextCase", [](TBarcode& b) { b.SetText("abc"); },
                       [](TBarcode& b) { b.SetText(""); },
                       [](const TBarcode& b) { return b.Text() == "abc"; }},
        NotifyingWrite{"Top", [](TBarcode& b) { b.SetTop(-3); }, [](TBarcode& b) { b.SetTop(0); },
                       [](const TBarcode& b) { return b.Top() == -3; }},
        NotifyingWrite{"Left", [](TBarcode& b) { b.SetLeft(7); }, [](TBarcode& b) { b.SetLeft(0); },
                       [](const TBarcode& b) { return b.Left() == 7; }},
        NotifyingWrite{"Typ", [](TBarcode& b) { b.SetTyp(bcCode39); },
                       [](TBarcode& b) { b.SetTyp(bcCodeEAN13); },
                       [](const TBarcode& b) { return b.Typ() == bcCode39; }},
        NotifyingWrite{"Checksum", [](TBarcode& b) { b.SetChecksum(true); },
                       [](TBarcode& b) { b.SetChecksum(false); },
                       [](const TBarcode& b) { return b.Checksum(); }},
        NotifyingWrite{"ShowText", [](TBarcode& b) { b.SetShowText(bcoBoth); },
                       [](TBarcode& b) { b.SetShowText(bcoNone); },
                       [](const TBarcode& b) { return b.ShowText() == bcoBoth; }},
        NotifyingWrite{"ShowTextPosition",
                       [](TBarcode& b) { b.SetShowTextPosition(stpBottomCenter); },
                       [](TBarcode& b) { b.SetShowTextPosition(stpTopLeft); },
                       [](const TBarcode& b) { return b.ShowTextPosition() == stpBottomCenter; }},
        NotifyingWrite{"Ratio", [](TBarcode& b) { b.SetRatio(2.5); },
                       [](TBarcode& b) { b.SetRatio(2.0); },
                       [](const TBarcode& b) { return b.Ratio() == 2.5; }},
        NotifyingWrite{"Angle", [](TBarcode& b) { b.SetAngle(90); },
                       [](TBarcode& b) { b.SetAngle(0.0); },
                       [](const TBarcode& b) { return b.Angle() == 90; }}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BarcodeObject, ModulNotifiesOnEveryAcceptedWriteAndIgnoresOutOfRange) {
  TBarcode bc;
  ChangeCounter counter;
  counter.Attach(bc);
  bc.SetModul(5);
  bc.SetModul(5);
  EXPECT_EQ(counter.calls, 2);
  EXPECT_EQ(bc.Modul(), 5);
  for (int bad : {0, 50, -1, INT32_MIN, INT32_MAX}) bc.SetModul(bad);
  EXPECT_EQ(counter.calls, 2);
  EXPECT_EQ(bc.Modul(), 5);
  bc.SetModul(1);
  bc.SetModul(49);
  EXPECT_EQ(bc.Modul(), 49);
  EXPECT_EQ(counter.calls, 4);
}

TEST(BarcodeObject, PlainStoresNeverNotify) {
  TBarcode bc;
  ChangeCounter counter;
  counter.Attach(bc);
  bc.SetColor(0x123456);
  bc.SetColorBar(0x654321);
  bc.SetCheckSumMethod(csmNone);
  EXPECT_EQ(counter.calls, 0);
  EXPECT_EQ(bc.Color(), 0x123456u);
  EXPECT_EQ(bc.ColorBar(), 0x654321u);
  EXPECT_EQ(bc.CheckSumMethod(), csmNone);
}

TEST(BarcodeObject, FontWriteAlwaysNotifiesAndTheReadIsTheOwnedFont) {
  TBarcode bc;
  ChangeCounter counter;
  counter.Attach(bc);
  TFont same = bc.ShowTextFont();
  bc.SetShowTextFont(same);
  EXPECT_EQ(counter.calls, 1);

  TFont arial;
  arial.SetName("Arial");
  arial.SetSize(12);
  bc.SetShowTextFont(arial);
  EXPECT_EQ(counter.calls, 2);
  EXPECT_EQ(bc.ShowTextFont().Name(), "Arial");
  EXPECT_NE(&bc.ShowTextFont(), &arial);

  bc.ShowTextFont().SetColor(clRed);  // changes the barcode's font at once, silently
  EXPECT_EQ(bc.ShowTextFont().Color(), clRed);
  EXPECT_EQ(counter.calls, 2);
}

TEST(BarcodeObject, AssignCopiesTheConfigurationButNotFontOrPosition) {
  TBarcode a, b;
  int aCalls = 0;
  a.SetText("ABC");
  a.SetTyp(bcCode39);
  a.SetHeight(30);
  a.SetModul(3);
  a.SetRatio(2.5);
  a.SetAngle(45);
  a.SetChecksum(true);
  a.SetShowText(bcoBoth);
  a.SetColor(1);
  a.SetColorBar(2);
  a.SetCheckSumMethod(csmNone);
  a.SetAddOn("12");
  a.SetTop(4);
  a.SetLeft(5);
  a.SetShowTextPosition(stpBottomRight);
  a.ShowTextFont().SetName("Mono");
  a.SetOnChange([&](TBarcode&) { ++aCalls; });
  b.ShowTextFont().SetName("Serif");

  b.Assign(&a);
  EXPECT_EQ(aCalls, 0);
  EXPECT_EQ(b.Text(), "ABC");
  EXPECT_EQ(b.Typ(), bcCode39);
  EXPECT_EQ(b.Height(), 30);
  EXPECT_EQ(b.Modul(), 3);
  EXPECT_EQ(b.Ratio(), 2.5);
  EXPECT_EQ(b.Angle(), 45);
  EXPECT_TRUE(b.Checksum());
  EXPECT_EQ(b.ShowText(), bcoBoth);
  EXPECT_EQ(b.Color(), 1u);
  EXPECT_EQ(b.ColorBar(), 2u);
  EXPECT_EQ(b.CheckSumMethod(), csmNone);
  EXPECT_EQ(b.AddOn(), "12");
  EXPECT_EQ(b.Top(), 4);
  EXPECT_EQ(b.Left(), 5);
  EXPECT_EQ(b.ShowTextFont().Name(), "Serif");
  EXPECT_EQ(b.ShowTextPosition(), stpTopLeft);
  // b now carries a's handler.
  b.SetHeight(31);
  EXPECT_EQ(aCalls, 1);
}

TEST(BarcodeObject, AssignFromAnythingElseChangesNothing) {
  TBarcode b;
  b.SetText("keep");
  TComponent other;
  b.Assign(&other);
  b.Assign(nullptr);
  EXPECT_EQ(b.Text(), "keep");
}

TEST(BarcodeObject, AnOwnerDestroysWhatItOwns) {
  static int destroyed = 0;
  struct Probe : TBarcode {
    using TBarcode::TBarcode;
    ~Probe() override { ++destroyed; }
  };
  destroyed = 0;
  {
    TComponent owner;
    auto* first = new Probe(&owner);
    new Probe(&owner);
    EXPECT_EQ(owner.Components().size(), 2u);
    EXPECT_EQ(first->Owner(), &owner);
    delete first;  // destroyed early: taken off the owner's list
    EXPECT_EQ(owner.Components().size(), 1u);
  }
  EXPECT_EQ(destroyed, 2);
}

TEST(BarcodeObject, AHandlerExceptionLeavesTheNewValueStored) {
  TBarcode bc;
  bc.SetOnChange([](TBarcode&) { throw Exception("handler failed"); });
  EXPECT_THROW(bc.SetHeight(9), Exception);
  EXPECT_EQ(bc.Height(), 9);
}

// Each row holds the published facts of its type, which the window, barcode-cli and the
// pictures show; every name finds its type.
TEST(Catalogue, HoldsThePublishedFactsOfEveryType) {
  ASSERT_EQ(std::size(test::kPublishedTypes), kBarcodeTypeCount) << "a new type adds its row";
  for (const test::PublishedType& p : test::kPublishedTypes) {
    SCOPED_TRACE(p.typeName);
    const TBCdata& row = BCdata[p.typ];
    TBarcode bc;
    bc.SetTyp(p.typ);
    EXPECT_EQ(bc.GetTypName(), p.typeName);
    EXPECT_EQ(row.ItemText, std::string_view(p.itemText));
    EXPECT_EQ(row.Listed, p.typ < test::kWindowListLength);
    EXPECT_EQ(row.NumericOnly, p.numericOnly);
    EXPECT_EQ(row.TakesAddOn, p.takesAddOn);
    EXPECT_EQ(int{row.QuietLeft}, p.quietLeft);
    EXPECT_EQ(int{row.QuietRight}, p.quietRight);
    EXPECT_EQ(row.EanUpc, p.eanUpc);
    EXPECT_EQ(int{row.FullLength}, p.fullLength);
    EXPECT_EQ(ParseBarcodeType(p.typeName), p.typ);
    EXPECT_EQ(ParseBarcodeType(p.itemText), p.typ);
  }
  EXPECT_EQ(kAddOnQuietRight, test::kQuietAfterAttachedAddOn);
  TBarcode bc;
  bc.SetTyp(static_cast<TBarcodeType>(kBarcodeTypeCount));
  EXPECT_EQ(bc.GetTypName(), "");
}

TEST(Catalogue, ParsesNamesListTextsAndOrdinalsIgnoringCase) {
  EXPECT_EQ(ParseBarcodeType("EAN13"), bcCodeEAN13);
  EXPECT_EQ(ParseBarcodeType("code39 extended"), bcCode39Extended);
  EXPECT_EQ(ParseBarcodeType("Code39Extended"), bcCode39Extended);
  EXPECT_EQ(ParseBarcodeType("codebar"), bcCodeCodabar);
  EXPECT_EQ(ParseBarcodeType("CodeCodabar"), bcCodeCodabar);
  EXPECT_EQ(ParseBarcodeType("0"), bcCode_2_5_interleaved);
  EXPECT_EQ(ParseBarcodeType("22"), bcCodeEAN128C);
  for (const std::string& bad :
       {std::string(""), std::to_string(kBarcodeTypeCount), std::string("-1"), std::string("EAN"),
        std::string("14x"), std::string(" 14")}) {
    EXPECT_FALSE(ParseBarcodeType(bad).has_value()) << bad;
  }
}

TEST(Font, SizeAndHeightFollowThePlatformConvention) {
  TFont f;
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Height(), -11);
  f.SetSize(12);
  EXPECT_EQ(f.Height(), -16);
  f.SetHeight(-13);
  EXPECT_EQ(f.Size(), 10);
  TFont g;
  g.Assign(f);
  EXPECT_EQ(g, f);
}

}  // namespace
}  // namespace bars
