// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/MessageForm.h"

#include "lang/MessDlg.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>

namespace corvane {

TMessageForm::TMessageForm(
    Icon icon, const QString& title, const QString& text, StandardButtons buttons)
    : QMessageBox(icon, title, text, buttons)
{
    // Messages come from users and scripts: "<b>" in a countdown's text is shown as typed.
    setTextFormat(Qt::PlainText);
    m_label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("GradientPicture"));
    m_picture->lower();
    applyLook();
    connect(this, &QMessageBox::buttonClicked, this,
        [this](QAbstractButton* button) { m_pressed = button; });
}

void TMessageForm::applyLook()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    if (m_label)
        m_label->setAutoFillBackground(true);
}

void TMessageForm::setGradientColors(TColor startColor, TColor endColor)
{
    m_startColor = startColor;
    m_endColor = endColor;
    FillGradient(m_picture, m_startColor, m_endColor);
}

PromptMetrics TMessageForm::measurePrompt(
    const QWidget* field, const QList<QAbstractButton*>& buttons)
{
    ensurePolished();
    resize(promptDialogWidth, layout()->minimumSize().height());
    layout()->activate();
    PromptMetrics m;
    m_label->setWordWrap(false);
    m.labelPos = m_label->pos();
    m.labelSize = m_label->sizeHint();
    m_label->setWordWrap(true);
    m.wrappedHeight = m_label->heightForWidth(promptNarrowWidth);
    m_label->setWordWrap(false);
    m.fieldHeight = field->sizeHint().height();
    for (const QAbstractButton* b : buttons)
        m.buttons << b->sizeHint();
    return m;
}

void TMessageForm::setPromptGeometry(
    const PromptGeometry& g, QWidget* field, const QList<QAbstractButton*>& buttons)
{
    m_prompt = g;
    m_field = field;
    m_promptButtons = buttons;
    // The box's own layouts would move everything back at the next layout request.
    layout()->setEnabled(false);
    if (auto* box = findChild<QDialogButtonBox*>())
        box->layout()->setEnabled(false);
    applyPromptGeometry();
}

void TMessageForm::applyPromptGeometry()
{
    const PromptGeometry& g = *m_prompt;
    m_label->setWordWrap(g.wrapLabel);
    m_label->setGeometry(g.label);
    if (g.wrapLabel)
        m_label->setFixedSize(g.label.size());
    m_field->setGeometry(g.field);
    // The buttons stay in their button box (it routes their clicks); the box spans the row.
    if (auto* box = findChild<QDialogButtonBox*>(); box && !g.buttons.isEmpty()) {
        const int top = g.buttons.first().y();
        box->setGeometry(0, top, promptDialogWidth, g.buttons.first().height());
        for (qsizetype i = 0; i < g.buttons.size() && i < m_promptButtons.size(); ++i)
            m_promptButtons[i]->setGeometry(g.buttons[i].translated(0, -top));
    }
    setFixedSize(promptDialogWidth, g.height);
}

bool TMessageForm::event(QEvent* e)
{
    // The standard box re-computes its size on every layout request; a prompt keeps its own.
    if (m_prompt && e->type() == QEvent::LayoutRequest)
        return QDialog::event(e);
    return QMessageBox::event(e);
}

// The standard box leaves room for the title's text only, so with a short message ("Tea is
// ready") window managers cut "Corvane Alarm" to make room for their icon and buttons.
void TMessageForm::widenForTitle()
{
    QFont bold = font();
    bold.setBold(true);
    // Title bars use the desktop's font, commonly a third larger than the dialog's; beside
    // the text go the window manager's icon, three buttons and margins.
    constexpr int decoration = 120;
    const int wanted = QFontMetrics(bold).horizontalAdvance(windowTitle()) * 4 / 3 + decoration;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int limit = s ? s->availableGeometry().width() / 2 : wanted;
    // The box sizes itself after its layout on every change, so the room goes to the label,
    // which the layout then counts.
    if (m_label && width() < wanted && wanted <= limit) {
        m_label->setMinimumWidth(m_label->width() + wanted - width());
        QEvent relayout(QEvent::LayoutRequest);
        QMessageBox::event(&relayout);
    }
}

void TMessageForm::showEvent(QShowEvent* e)
{
    QMessageBox::showEvent(e);
    if (m_prompt)
        applyPromptGeometry();
    else
        widenForTitle();
    centreOnScreen();
}

void TMessageForm::resizeEvent(QResizeEvent* e)
{
    QMessageBox::resizeEvent(e);
    m_picture->setGeometry(rect());
    FillGradient(m_picture, m_startColor, m_endColor);
}

void TMessageForm::closeEvent(QCloseEvent* e)
{
    // The standard box answers the close box with its escape button (OK, No); here closing
    // always means Cancel, so it must not pass for a pressed button.
    QDialog::closeEvent(e);
}

void TMessageForm::centreOnScreen()
{
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s)
        return;
    const QRect area = s->availableGeometry();
    const QSize outer = frameGeometry().size();
    const QPoint frameOffset = pos() - frameGeometry().topLeft();
    move(area.topLeft() + QPoint(area.width() - outer.width(), area.height() - outer.height()) / 2
        + frameOffset);
}

} // namespace corvane
