// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// The About page: the program, its links, the credits and the donation text and button.
#include "lang/LangScript.h"
#include "options/AboutArtwork.h"
#include "options/AboutLinks.h"
#include "options/CVForm.h"
#include "options/LinkLabel.h"
#include "platform/FileRead.h"
#include "platform/ProgramFolder.h"
#include "richedit/RichEdit.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace corvane {

QString TCorvaneForm::selectedLanguageItem() const
{
    const QList<QListWidgetItem*> selected = LngListBox->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TCorvaneForm::setUpAboutPage()
{
    const QString path
        = programPath(QStringLiteral("\\Texts\\") + donationTextFile(selectedLanguageItem()));
    const FileRead file = readRegularFile(path, FileLimit::text);
    if (file.ok())
        DonationsEdit->loadFromBytes(file.bytes);
    else if (file.problem != ReadProblem::Missing)
        // Said in the view itself: a message box each time the page opens would only nag.
        DonationsEdit->setPlainText(readProblemMessage(path, file, FileLimit::text));
}

// The pictures are drawn the first time the page is shown, so a window opened for its
// options does not pay for them.
void TCorvaneForm::showAboutPictures()
{
    if (std::exchange(m_aboutPictures, true))
        return;
    const qreal ratio = devicePixelRatioF();
    const std::pair<QLabel*, AboutPicture> pictures[] = {{AboutImage, AboutPicture::Title},
        {Image2, AboutPicture::Logo}, {NoSpyImg, AboutPicture::Badge}, {URLImg, AboutPicture::Link},
        {eMailImg, AboutPicture::Mail}};
    for (const auto& [label, picture] : pictures)
        label->setPixmap(aboutPixmap(picture, ratio));
    PayPalBtn->setIcon(QIcon(aboutPixmap(AboutPicture::Donate, ratio)));
}

void TCorvaneForm::HomepageLabelClick()
{
    OpenWithShell(HomepageLabel->text());
}

void TCorvaneForm::eMailLabelClick()
{
    OpenWithShell(mailtoAddress(eMailLabel->text()));
}

void TCorvaneForm::DonationsEditURLClick(const QString& address)
{
    OpenWithShell(address);
}

void TCorvaneForm::PayPalBtnClick()
{
    OpenWithShell(donationPageAddress(selectedLanguageItem()));
}

} // namespace corvane
