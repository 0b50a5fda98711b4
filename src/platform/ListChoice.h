// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QListWidget;

namespace corvane {

// Reports the user's choice in a list: a selection made by mouse or keys, and also a click
// on the entry already selected (one the program selected before), while a click that
// changes the selection is reported once. Selections made while `*fromCode` is true, the
// program's own, are not reported.
class TListChoice : public QObject {
    Q_OBJECT
public:
    TListChoice(QListWidget* list, const bool* fromCode);

Q_SIGNALS:
    void chosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const bool* m_fromCode;
    bool m_chosenByPress = false; // this click's press already changed the selection
};

} // namespace corvane
