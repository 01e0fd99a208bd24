#include "dialogs/data_exchange.h"

#include <gtest/gtest.h>

#include <QTabWidget>
#include <QTest>

#include "../record/locale_util.h"
#include "dialog_test_support.h"

namespace velk {
namespace {

using testing::App;
using testing::MessageRecorder;

TEST(DataExchangeFields, WriteInTheirOwnPrecisionAndRefuseWhatIsNoNumber) {
  EXPECT_EQ(FormatFloatField(0.2f), "0.2");  // the float's own digits, not 0.200000002980232
  EXPECT_EQ(FormatDoubleField(476.1904761904762), "476.190476190476");
  EXPECT_EQ(FormatFixedField(1000.0 / 3.0), "333.333333");
  EXPECT_EQ(ParseIntField(" +12 "), 12);
  for (const char* bad : {"", " ", "-", "+", "+-7", "12abc", "1.5", "1e3", "99999999999", "０"}) {
    EXPECT_FALSE(ParseIntField(QString::fromUtf8(bad))) << bad;
  }
  EXPECT_EQ(ParseDoubleField("\t-.25e1 "), -2.5);
  for (const char* bad :
       {"", "-", ".", "1,5", "1.5.", "inf", "nan", "1e400", "0x10", "e5", "5 5"}) {
    EXPECT_FALSE(ParseDoubleField(bad)) << bad;
  }
  // A float field cannot hold what a double can.
  EXPECT_FALSE(ParseFloatField("1e39"));
  EXPECT_EQ(ParseFloatField("3.4e38"), 3.4e38f);
  EXPECT_EQ(ParseFloatField("0.2"), 0.2f);

  // A desktop with a decimal comma must not change what the fields show.
  CLocaleAfterwards restore;
  if (!UseDecimalCommaLocale()) GTEST_SKIP() << "no decimal-comma locale on this machine";
  EXPECT_EQ(FormatDoubleField(0.5), "0.5");
  EXPECT_EQ(FormatFixedField(0.25), "0.250000");
  EXPECT_EQ(ParseDoubleField("0.5"), 0.5);
}

class OneIntPage : public PropertyPage {
 public:
  explicit OneIntPage(int v) : value(v) {
    edit = new QLineEdit(this);
    edit->setObjectName("1015");
  }
  int value;
  QLineEdit* edit;

 protected:
  void DoDataExchange(DataExchange& dx) override { dx.Text(edit, value); }
};

TEST(PropertySheet, ReadsBackOnlyOpenedPagesAndKeepsTheOperatorOnABadPage) {
  App();
  MessageRecorder rec;
  PropertySheet sheet("calculate");
  auto* p0 = new OneIntPage(10);
  auto* p1 = new OneIntPage(20);
  auto* p2 = new OneIntPage(30);
  sheet.AddPage(p0, "first");
  sheet.AddPage(p1, "second");
  sheet.AddPage(p2, "third");
  EXPECT_EQ(p2->edit->text(), "30");
  EXPECT_FALSE(sheet.WasOpened(0));

  sheet.show();
  EXPECT_TRUE(sheet.WasOpened(0));
  p0->edit->clear();
  QTest::keyClicks(p0->edit, "1x");
  sheet.tabs()->setCurrentIndex(1);  // refused: the first page does not parse
  EXPECT_EQ(sheet.tabs()->currentIndex(), 0);
  EXPECT_FALSE(sheet.WasOpened(1));
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0], kTypeAnInteger);

  QTest::keyClick(p0->edit, Qt::Key_Backspace);
  sheet.tabs()->setCurrentIndex(1);
  EXPECT_EQ(sheet.tabs()->currentIndex(), 1);
  EXPECT_EQ(p0->value, 1);
  EXPECT_TRUE(sheet.WasOpened(1));
  // Text typed on the current page is read at OK; a bad one keeps the sheet open.
  p1->edit->setText("-");
  sheet.accept();
  EXPECT_TRUE(sheet.isVisible());
  EXPECT_EQ(rec.messages.size(), 2u);
  p1->edit->setText("22");
  p2->edit->setText("99");  // never opened: never read
  sheet.accept();
  EXPECT_FALSE(sheet.isVisible());
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_EQ(p1->value, 22);
  EXPECT_EQ(p2->value, 30);
  EXPECT_FALSE(sheet.WasOpened(2));
}

}  // namespace
}  // namespace velk
