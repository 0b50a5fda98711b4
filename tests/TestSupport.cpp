// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "platform/DialogSeam.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <gtest/gtest.h>

namespace corvane::test {

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

DialogScript::DialogScript(std::vector<Step> steps)
    : m_steps(std::move(steps))
{
    DialogSeam::setAnswerer([this](QDialog& dialog) {
        m_titles << dialog.windowTitle();
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        m_texts << (box ? box->text() : QString());
        const std::size_t index = std::size_t(m_shown++);
        if (index < m_steps.size())
            m_steps[index](dialog);
        else
            dialog.reject();
    });
}

DialogScript::~DialogScript()
{
    DialogSeam::setAnswerer({});
}

DialogScript::Step clickButton(const QString& text)
{
    return [text](QDialog& dialog) {
        for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) {
            if (b->text().remove(QLatin1Char('&')) == text && b->isVisible()) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << text.toStdString() << " in "
                      << dialog.windowTitle().toStdString();
        dialog.reject();
    };
}

DialogScript::Step acceptDialog()
{
    return [](QDialog& d) { d.accept(); };
}

DialogScript::Step rejectDialog()
{
    return [](QDialog& d) { d.reject(); };
}

} // namespace corvane::test
