// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramFolderFixture.h"
#include "app/FrmMain.h"
#include "platform/Clock.h"
#include "platform/Timer.h"

#include <QDateTime>
#include <memory>

namespace corvane::test {

// A program folder in English with the given list, the wall clock in the test's hand (from
// 7 December 2026, 10:00), and the main window the test makes in `form`.
class ClockedMainWindow : public ProgramFolderFixture {
protected:
    void prepare(const QByteArray& list)
    {
        writeIni("[Language]\r\nFile=English.lng\r\n[General]\r\nOption 3=0\r\n");
        writeBytes(m_home.filePath(QStringLiteral("Data/Timelist.dat")), list);
        m_now = QDateTime(QDate(2026, 12, 7), QTime(10, 0));
        Clock::setSource([this] { return m_now; });
    }
    void TearDown() override
    {
        form.reset();
        Clock::setSource({});
        TTimer::setMonotonic({});
        ProgramFolderFixture::TearDown();
    }

    QDateTime m_now;
    std::unique_ptr<TFormMain> form;
};

} // namespace corvane::test
