// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as the current language script: translating a window that holds every kind of
// control a script addresses, twice over, must not crash or hang, and memory stays bounded.
#include "lang/TransProg.h"
#include "platform/PageControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeWidget>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sanitizer/lsan_interface.h>

using namespace corvane;

namespace {

template <typename W> W* add(QWidget* parent, const char* name)
{
    auto* w = new W(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

void addPages(QWidget* form)
{
    auto* pages = add<TPageControl>(form, "PageControl1");
    for (const char* name : {"Anzeige", "Eingabe", "Liste"}) {
        auto* page = new QWidget;
        page->setObjectName(QLatin1String(name));
        pages->addTab(page, QLatin1String(name));
    }
    add<QLabel>(pages->widget(1), "lblEnter")->setText(QStringLiteral("No access"));
    auto* group = add<QGroupBox>(pages->widget(1), "USchriftBox");
    group->setTitle(QStringLiteral("Title"));
    add<QCheckBox>(group, "GenOptBox")->setText(QStringLiteral("Option"));
}

void addLists(QWidget* form)
{
    auto* plain = add<QListWidget>(form, "LngListBox");
    plain->addItems({QStringLiteral("English.lng"), QStringLiteral("German.lng")});
    plain->setCurrentRow(1);
    auto* checks = add<QListWidget>(form, "GenOptCheckBox");
    checks->setProperty(CheckListBoxProperty, true);
    for (int i = 0; i < 4; ++i) {
        auto* item = new QListWidgetItem(QStringLiteral("Option %1").arg(i + 1), checks);
        item->setCheckState(i % 2 ? Qt::Checked : Qt::Unchecked);
    }
    add<QListWidget>(form, "EmptyListBox");
    auto* combo = add<QComboBox>(form, "TopicsCombo");
    combo->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    combo->setCurrentIndex(2);
}

void addTexts(QWidget* form)
{
    auto* exit = add<QPushButton>(form, "ExitButton");
    exit->setText(QStringLiteral("Exit"));
    exit->setToolTip(QStringLiteral("Close program"));
    add<QPlainTextEdit>(form, "Memo1")->setPlainText(QStringLiteral("designed"));
    add<QTextEdit>(form, "HelpRichEdit")->setHtml(QStringLiteral("<b>designed</b>"));
    auto* view = add<QTreeWidget>(form, "ListView1");
    view->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Time"), QStringLiteral("Text")});
    auto* hidden = add<QTreeWidget>(form, "StopTreeView");
    hidden->setHeaderHidden(true);
}

QString scriptPath()
{
    static QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    // More names than the profile parse cache keeps, so no run can meet the parse of an
    // earlier input that happened to have the same size and time stamp.
    static unsigned next = 0;
    return dir.filePath(QStringLiteral("Script%1.lng").arg(next++ % 16));
}

void buildForm(QWidget& form)
{
    form.setObjectName(QStringLiteral("FormMain"));
    form.setWindowTitle(QStringLiteral("Corvane"));
    addPages(&form);
    addLists(&form);
    addTexts(&form);
}

void translateFrom(const QByteArray& script)
{
    LangScriptPath = scriptPath();
    QFile file(LangScriptPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(script) != script.size())
        std::abort();
    file.close();

    QWidget form;
    buildForm(form);
    // The second pass meets the lists and texts the first one left.
    TranslateForm(&form);
    TranslateForm(&form);
    (void)LangText(QStringLiteral("Captions"), QStringLiteral("OK"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_translate";
    static char* argv[] = {name, nullptr};
    // Fontconfig keeps what it allocates for its configuration where the leak checker cannot
    // see it; that happens once, at the first text laid out, so it happens here, unchecked.
    __lsan::ScopedDisabler oneTimeAllocations;
    static QApplication app(argc, argv);
    translateFrom("[FormMain]\r\nAnzeige.Caption=\xc3\x84nderung\r\nExitButton.Caption=Ende\r\n"
                  "LngListBox.Items=a,b\r\nMemo1.Lines=x\r\nHelpRichEdit.Lines=y\r\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    translateFrom(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
