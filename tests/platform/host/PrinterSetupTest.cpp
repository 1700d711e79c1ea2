#include <gtest/gtest.h>

#include "platform/controls/Automation.h"
#include "platform/controls/Forms.h"
#include "platform/host/PrinterSetup.h"
#include "platform/host/Printers.h"

namespace {

TEST(PrinterSetup, AnsweredByTheTestOrFailingFastWhenForgotten) {
    ClearAutomation();
    TPrinterSetupDialog dialog(nullptr);
    QueueAutomationAnswer("PrinterSetup", [](TAutomationRequest& r) {
        Printer()->SetOrientation(poLandscape);
        r.Result = IDOK;
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(Printer()->GetOrientation(), poLandscape);
    EXPECT_GT(Printer()->GetPageWidth(), Printer()->GetPageHeight());

    QueueAutomationAnswer("PrinterSetup", [](TAutomationRequest& r) { r.Result = IDCANCEL; });
    EXPECT_FALSE(dialog.Execute());
    ASSERT_EQ(AutomationLog().size(), 2u);
    EXPECT_EQ(AutomationLog()[0].Subject, &dialog);

    EXPECT_THROW(dialog.Execute(), EAutomationError);
}

}  // namespace
