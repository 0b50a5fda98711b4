// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The options window from the keyboard: Tab reaches every control of each page.
#include "FocusChain.h"
#include "OptionsWindowFixture.h"
#include "platform/PageControl.h"

#include <QTest>

using namespace corvane;
using namespace corvane::test;

namespace {
class OptionsWindowKeys : public OptionsWindowFixture { };
} // namespace

TEST_F(OptionsWindowKeys, TabReachesEveryControlOfEveryPage)
{
    QDir(m_home.path()).mkpath(QStringLiteral("Help"));
    open();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    for (TCorvaneForm::Page page :
        {TCorvaneForm::OptionsPage, TCorvaneForm::HelpPage, TCorvaneForm::AboutPage}) {
        form->setActivePage(page);
        EXPECT_EQ(passedByTab(form.get()), QStringList()) << page;
        const QList<QWidget*> controls = workingControls(form.get());
        EXPECT_GE(controls.size(), 4) << page;
        child<TPageControl>("CVControl")->tabBar()->setFocus();
        const QList<QWidget*> reached = tabWalk(int(controls.size()) * 2 + 4);
        for (QWidget* control : controls)
            EXPECT_TRUE(reachedByTab(control, reached))
                << page << ' ' << control->objectName().toStdString();
    }
}
