// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

namespace corvane::test {

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);

// Answers the dialogs the code under test opens, in order, through the dialog seam. Each
// step gets the open dialog; a dialog with no step left is rejected. Uninstalls itself.
class DialogScript {
public:
    using Step = std::function<void(QDialog&)>;
    explicit DialogScript(std::vector<Step> steps = {});
    ~DialogScript();
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    int shown() const { return m_shown; }
    // Titles of the dialogs seen so far, and their messages (a QMessageBox's text).
    const QStringList& titles() const { return m_titles; }
    const QStringList& texts() const { return m_texts; }

private:
    std::vector<Step> m_steps;
    int m_shown = 0;
    QStringList m_titles;
    QStringList m_texts;
};

// Common steps.
DialogScript::Step clickButton(const QString& text);
DialogScript::Step acceptDialog();
DialogScript::Step rejectDialog();

} // namespace corvane::test
