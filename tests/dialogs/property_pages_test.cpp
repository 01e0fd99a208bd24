#include "dialogs/property_pages.h"

#include <gtest/gtest.h>

#include <QTest>

#include "dialog_test_support.h"
#include "record/interaction.h"
#include "record/velk_doc.h"

namespace velk {
namespace {

using testing::App;
using testing::EditById;
using testing::MessageRecorder;
using testing::TypeOver;

ParameterPage DefaultBridge() {
  return ParameterPage{kDefaultConversionFactor, 1.0, 2.1, 8.0, 500.0};
}

TEST(CParameter, ShowsTheFactorInFullUntilAnEditRecomputesItWithSixDecimals) {
  App();
  MessageRecorder rec;
  CParameter page(DefaultBridge());
  page.UpdateData(false);
  QLineEdit* factor = EditById(&page, 1004);
  EXPECT_TRUE(factor->isReadOnly());
  EXPECT_EQ(factor->text(), "476.190476190476");
  EXPECT_EQ(EditById(&page, 1003)->text(), "2.1");

  TypeOver(EditById(&page, 1000), "1");
  EXPECT_EQ(factor->text(), "476.190476");
  EXPECT_EQ(EditById(&page, 1000)->text(), "1");  // only 1004 is rewritten

  // Any zero factor of the product gives 4e6 / 1e6.
  TypeOver(EditById(&page, 1001), "0");
  EXPECT_EQ(factor->text(), "4.000000");
  EXPECT_TRUE(rec.messages.empty());

  // An emptied field: the message, and the factor stays as it was until all fields parse again.
  EditById(&page, 1002)->selectAll();
  QTest::keyClick(EditById(&page, 1002), Qt::Key_Backspace);
  ASSERT_EQ(rec.messages.size(), 1u);
  EXPECT_EQ(rec.messages[0], kTypeANumber);
  EXPECT_EQ(factor->text(), "4.000000");
  QTest::keyClicks(EditById(&page, 1002), "250");
  TypeOver(EditById(&page, 1001), "4");
  EXPECT_EQ(factor->text(), "1904.761905");  // 4e6 / (250 * 4 * 2.1 * 1)

  ASSERT_TRUE(page.UpdateData(true));
  EXPECT_EQ(page.data().factor, 1904.761905);
  EXPECT_EQ(page.data().gain, 250.0);
  EXPECT_EQ(page.data().bridgeVoltage, 4.0);
}

}  // namespace
}  // namespace velk
