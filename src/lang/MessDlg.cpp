// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/MessDlg.h"

#include "common/CommaText.h"
#include "lang/GradientRows.h"
#include "lang/MessageForm.h"
#include "platform/DialogSeam.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>

namespace corvane {

std::array<QString, DlgText::Count> DlgTexts;
TColor DlgStartColor = defaultMsgStartColor;
TColor DlgEndColor = defaultMsgEndColor;

namespace {
const std::array<const char*, DlgText::Count> englishDlgTexts
    = {"OK", "Cancel", "Yes", "No", "Information", "Confirmation", "Warning", "Input"};

void fillEmptyDlgTexts()
{
    for (std::size_t i = 0; i < DlgTexts.size(); ++i) {
        if (DlgTexts[i].isEmpty())
            DlgTexts[i] = QLatin1String(englishDlgTexts[i]);
    }
}

struct MessageKind {
    QMessageBox::Icon icon;
    bool confirmation;
    QString defaultTitle;
};

MessageKind messageKind(const QString& kind)
{
    switch (kind.isEmpty() ? 0 : kind.at(0).toUpper().unicode()) {
    case 'C':
        return {QMessageBox::Question, true, DlgTexts[DlgText::Confirmation]};
    case 'I':
        return {QMessageBox::Information, false, DlgTexts[DlgText::Information]};
    case 'W':
        return {QMessageBox::Warning, false, DlgTexts[DlgText::Warning]};
    default:
        // The toolkit's own title for an unknown kind, never translated.
        return {QMessageBox::Information, false, QStringLiteral("Information")};
    }
}

RgbTriple rgbOf(TColor value, const QPalette& palette)
{
    const QColor c = toQColor(value, palette);
    return {c.red(), c.green(), c.blue()};
}

// The restyled box for a prompt (no icon): title Input, the given buttons, gradient colours set.
void preparePrompt(TMessageForm& form)
{
    form.setWindowTitle(DlgTexts[DlgText::Input]);
    form.setGradientColors(DlgStartColor, DlgEndColor);
    form.button(QMessageBox::Ok)->setText(DlgTexts[DlgText::OK]);
    form.setDefaultButton(QMessageBox::Ok);
}
} // namespace

bool MsgDialog(const QString& text, const QString& title, const QString& kind)
{
    fillEmptyDlgTexts();
    const MessageKind k = messageKind(kind);
    const auto buttons = k.confirmation ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    TMessageForm form(k.icon, title.isEmpty() ? k.defaultTitle : title, text, buttons);
    QAbstractButton* accept = form.button(k.confirmation ? QMessageBox::Yes : QMessageBox::Ok);
    QAbstractButton* escape = form.button(k.confirmation ? QMessageBox::No : QMessageBox::Ok);
    accept->setText(DlgTexts[k.confirmation ? DlgText::Yes : DlgText::OK]);
    escape->setText(DlgTexts[k.confirmation ? DlgText::No : DlgText::OK]);
    form.setDefaultButton(qobject_cast<QPushButton*>(accept));
    form.setEscapeButton(escape);
    form.setGradientColors(DlgStartColor, DlgEndColor);
    form.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    DialogSeam::exec(form);
    return form.pressedButton() != nullptr && form.pressedButton() != form.button(QMessageBox::No);
}

bool MsgDialog(const QString& text, const QString& title, DlgKind kind)
{
    static const char* const letters[] = {"C", "I", "W"};
    return MsgDialog(text, title, QLatin1String(letters[int(kind)]));
}

QString InputDialog(const QString& prompt)
{
    fillEmptyDlgTexts();
    TMessageForm form(
        QMessageBox::NoIcon, QString(), prompt, QMessageBox::Ok | QMessageBox::Cancel);
    preparePrompt(form);
    QAbstractButton* ok = form.button(QMessageBox::Ok);
    QAbstractButton* cancel = form.button(QMessageBox::Cancel);
    cancel->setText(DlgTexts[DlgText::Cancel]);
    form.setEscapeButton(cancel);
    auto* edit = new QLineEdit(&form);
    edit->setObjectName(QStringLiteral("InputEdit"));
    edit->setAccessibleName(prompt);
    const QList<QAbstractButton*> buttons{ok, cancel};
    form.setPromptGeometry(inputGeometry(form.measurePrompt(edit, buttons)), edit, buttons);
    QWidget::setTabOrder(edit, ok);
    QWidget::setTabOrder(ok, cancel);
    edit->setFocus();
    DialogSeam::exec(form);
    return form.pressedButton() == ok ? edit->text() : QString();
}

QString SelectDialog(const QString& prompt, const QString& choices)
{
    fillEmptyDlgTexts();
    TMessageForm form(QMessageBox::NoIcon, QString(), prompt, QMessageBox::Ok);
    preparePrompt(form);
    QAbstractButton* ok = form.button(QMessageBox::Ok);
    form.setEscapeButton(ok);
    auto* list = new QListWidget(&form);
    list->setObjectName(QStringLiteral("SelectListBox"));
    list->setAccessibleName(prompt);
    list->addItems(commaTextSplit(choices));
    if (list->count() > 0)
        list->setCurrentRow(0);
    const QList<QAbstractButton*> buttons{ok};
    form.setPromptGeometry(selectGeometry(form.measurePrompt(list, buttons)), list, buttons);
    QWidget::setTabOrder(ok, list);
    ok->setFocus();
    DialogSeam::exec(form);
    if (form.pressedButton() != ok || list->selectedItems().isEmpty())
        return QString();
    return list->selectedItems().first()->text();
}

void FillGradient(QLabel* picture, TColor startColor, TColor endColor)
{
    const int w = picture->width();
    const int h = picture->height();
    if (w <= 0 || h <= 0)
        return;
    // System colours as the desktop has them, not as the white dialog overrides them.
    const QPalette system = QGuiApplication::palette();
    const RgbTriple start = rgbOf(startColor, system);
    const RgbTriple end = rgbOf(endColor, system);
    QImage image(w, h, QImage::Format_RGB32);
    // Row h would lie just below the picture, so the last row drawn is h - 1.
    for (int y = 0; y < h; ++y) {
        const RgbTriple c = gradientRow(start, end, h, y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + w, qRgb(c.red, c.green, c.blue));
    }
    picture->setPixmap(QPixmap::fromImage(image));
}

} // namespace corvane
