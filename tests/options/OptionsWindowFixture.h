// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/ProgramFolderFixture.h"
#include "options/CVForm.h"

#include <memory>

namespace corvane::test {

// A fresh program folder in English, and the options window opened on it by open().
class OptionsWindowFixture : public ProgramFolderFixture {
protected:
    void SetUp() override
    {
        ProgramFolderFixture::SetUp();
        QDir(m_home.path()).mkpath(QStringLiteral("Texts"));
        LangScriptPath = m_home.filePath(QStringLiteral("LScripts/English.lng"));
    }
    void TearDown() override
    {
        form.reset();
        ProgramFolderFixture::TearDown();
    }
    TCorvaneForm& open()
    {
        form = std::make_unique<TCorvaneForm>();
        form->show();
        return *form;
    }
    template <typename W> W* child(const char* name) const
    {
        W* w = form->findChild<W*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    std::unique_ptr<TCorvaneForm> form;
};

} // namespace corvane::test
