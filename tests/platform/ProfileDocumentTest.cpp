// Corvane — SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ProfileDocument.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {
const std::optional<QString> absent;

QByteArray bytes(const char* s, qsizetype n = -1)
{
    return n < 0 ? QByteArray(s) : QByteArray(s, n);
}

struct ReadCase {
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    std::optional<QString> expected;
};

TEST(ProfileDocument, readsValuesAsTheProfileReaderDoes)
{
    const QByteArray quoted = "[A]\r\nK=\"" + QByteArray(2047, 'q') + "\"\r\n";
    const QByteArray pair = "[A]\r\nK=" + QByteArray(2046, 'p') + "\xf0\x9f\x8d\xb5";
    const ReadCase cases[] = {
        {"key in any case", "[Main]\r\nMyKey=1", "MAIN", "mykey", "1"},
        {"non-ascii folding", "[Größe]\nÄpfel=1\nΣΟΦΌΣ=2", "GRÖßE", "äPFEL", "1"},
        {"final sigma", "[Größe]\nΣΟΦΌΣ=2", "größe", "σοφός", "2"},
        {"capital sharp s", "[S]\nStraße=3", "s", "STRAẞE", "3"},
        {"sharp s is not ss", "[S]\nStraße=3", "s", "STRASSE", absent},
        {"blanks around", "[ A ]\n \t K \t= \v v x \f\x1a\r\n", " A", "K ", "v x"},
        {"nbsp is no blank", "[A]\nK=\xc2\xa0x\xc2\xa0", "A", "K", "\u00a0x\u00a0"},
        {"empty value", "[A]\nK=\nL=  ", "A", "L", ""},
        {"no equals", "[A]\nK\n", "A", "K", absent},
        {"absent section", "[A]\nK=1", "B", "K", absent},
        {"quotes", "[A]\nK= \"  x  \" ", "A", "K", "  x  "},
        {"single quotes", "[A]\nK='x'", "A", "K", "x"},
        {"one quote", "[A]\nK=\"", "A", "K", "\""},
        {"mismatched", "[A]\nK=\"x'", "A", "K", "\"x'"},
        {"nul ends", bytes("[A]\nK=x \0y\nL=2", 14), "A", "K", "x"},
        {"first section wins", "[A]\nK=1\n[B]\n[a]\nK=2\nL=3", "A", "L", absent},
        {"first key wins", "[A]\nK=1\nk=2", "A", "K", "1"},
        {"cr only", "[A]\rK=1\r[B]\rK=2\r", "B", "K", "2"},
        {"header junk", "[A] junk\nK=1", "A", "K", "1"},
        {"last bracket", "[a]b]\nK=1", "a]b", "K", "1"},
        {"no close", "[A]\n[B\nK=1", "A", "K", "1"},
        {"nameless", "K=0\n[A]\nK=1", "", "K", "0"},
        {"shadowed []", "[A]\n[]\nK=1", "", "K", absent},
        {"comment is a key", "[A]\n;K=1", "A", ";K", "1"},
        {"utf16", bytes("\xff\xfe[\0A\0]\0\n\0K\0=\0\xe4\0", 16), "a", "k", "ä"},
        {"cut", "[A]\nK=" + QByteArray(3000, 'x'), "A", "K", QString(2047, u'x')},
        {"quoted 2047", quoted, "A", "K", QString(2047, u'q')},
        {"pair left out", pair, "A", "K", QString(2046, u'p')},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(ProfileDocument(c.file).value(c.section, c.key), c.expected) << c.name;
}

TEST(ProfileDocument, defaultsLoseTrailingSpacesAndQuotes)
{
    const std::pair<QString, QString> cases[] = {
        {"dflt   ", "dflt"},
        {"   ", " "},
        {"\"dflt\"", "dflt"},
        {"'q'  ", "q"},
        {"a b\t", "a b\t"},
        {QString(3000, u'x'), QString(2047, u'x')},
        {"", ""},
    };
    for (const auto& [def, expected] : cases)
        EXPECT_EQ(profileDefault(def), expected) << def.toStdString();
}

struct WriteCase {
    const char* name;
    QByteArray before;
    QString section;
    QString key;
    QString value;
    QByteArray after;
};

TEST(ProfileDocument, writesOnlyWhatMustChange)
{
    const WriteCase cases[] = {
        {"replace keeps spelling and line end", "[A]\n  MyKey = 1 \nX=2\n", "a", "MYKEY", "3",
            "[A]\nMyKey=3\nX=2\n"},
        {"same value untouched", "[A]\nK = same \n", "A", "K", "same", "[A]\nK = same \n"},
        {"leading blanks dropped", "[A]\n", "A", "K", "  v  ", "[A]\nK=v  \r\n"},
        {"after last non-blank line", "[A]\nK=1\n;c\n\n[B]\n", "A", "N", "2",
            "[A]\nK=1\n;c\nN=2\r\n\n[B]\n"},
        {"header only", "[A]\n[B]\n", "A", "N", "2", "[A]\nN=2\r\n[B]\n"},
        {"last line without end", "[A]\nK=1", "A", "N", "2", "[A]\nK=1\r\nN=2\r\n"},
        {"no equals replaced", "[A]\nK\n", "A", "K", "", "[A]\nK=\n"},
        {"new section", "[A]\nK=1", "B", "N", "2", "[A]\nK=1\r\n[B]\r\nN=2\r\n"},
        {"new section after cr", "[A]\r", "B", "N", "2", "[A]\r[B]\r\nN=2\r\n"},
        {"empty file", "", "B", "N", "2", "[B]\r\nN=2\r\n"},
        {"mark only", "\xef\xbb\xbf", "B", "N", "2", "\xef\xbb\xbf[B]\r\nN=2\r\n"},
        {"nameless at start", "\xef\xbb\xbf\r\n[A]\r\n", "", "N", "2",
            "\xef\xbb\xbfN=2\r\n\r\n[A]\r\n"},
        {"cp1252 stays", "[A]\nK=\xe9\n", "A", "U", "ü€", "[A]\nK=\xe9\nU=\xfc\x80\r\n"},
        {"cp1252 becomes utf8", "[A]\nK=\xe9\n", "A", "U", "Ł", "[A]\nK=\xc3\xa9\nU=\xc5\x81\r\n"},
        // Replacing the one invalid byte would turn the other line into UTF-8 "ä".
        {"cp1252 kept as text", "[A]\nK=\xe9\nL=\xc3\xa4\n", "A", "K", "e",
            "[A]\nK=e\nL=\xc3\x83\xc2\xa4\n"},
        {"utf16be", bytes("\xfe\xff\0[\0A\0]", 8), "A", "K", "ü",
            bytes("\xfe\xff\0[\0A\0]\0\r\0\n\0K\0=\0\xfc\0\r\0\n", 22)},
    };
    for (const WriteCase& c : cases)
        EXPECT_EQ(ProfileDocument(c.before).withValue(c.section, c.key, c.value), c.after)
            << c.name;
}

TEST(ProfileDocument, survivesHugeAndBinaryInput)
{
    QByteArray many;
    for (int i = 0; i < 100'000; ++i)
        many += "K" + QByteArray::number(i) + "=" + QByteArray::number(i) + "\n";
    EXPECT_EQ(ProfileDocument(many).value(u"", u"k99999"), QStringLiteral("99999"));

    const QByteArray longLine = "[A]\nK=" + QByteArray(1 << 20, '\xe9');
    EXPECT_EQ(ProfileDocument(longLine).value(u"A", u"K")->size(), 2047);

    QByteArray binary(1 << 16, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 7919) >> 3);
    const ProfileDocument doc(binary);
    const QByteArray written = doc.withValue(u"S", u"K", u"v");
    EXPECT_TRUE(written.startsWith(binary));
    EXPECT_EQ(ProfileDocument(written).value(u"S", u"K"), QStringLiteral("v"));
}

} // namespace

namespace {
QByteArray oneByOne(const QByteArray& file, const std::vector<ProfileWrite>& writes)
{
    QByteArray bytes = file;
    for (const ProfileWrite& w : writes)
        bytes = ProfileDocument(bytes).withValue(w.section, w.key, w.value);
    return bytes;
}
} // namespace

// Many writes planned on one parse must leave exactly the bytes of writing them one by one:
// files of every shape, written with names in other cases, repeated keys, new sections, new
// keys in the file's last line, values that change back.
TEST(ProfileDocument, writesInOneGoAsOneByOne)
{
    const QByteArray files[] = {
        "", "[General]\r\nOption 1=1\r\nOption 2=0\r\n", "[General]\r\nOption 1=1",
        "k=v\n[General]\n  Option 1 = 1  \n\n\n[Other]\nx=1\n   ",
        "[A]\r\n[General]\r\nLeft=5\r\n[general]\r\nTop=7\r\n",
        "[Language]\rFile=German.lng\r[General]\rTheme", "\xef\xbb\xbf[General]\r\nTheme=Blau\r\n",
        bytes("\xff\xfe[\0G\0]\0\r\0\n\0L\0=\0\x31\0", 18),
        "[General]\r\nTheme=Gr\xfcn\r\n", // Windows-1252
        "[General]\r\nTheme=\xfc\r\n[Messages]\r\nStart color=1", // the only invalid byte goes
    };
    const QString sections[] = {"General", "general", "Language", "ProgFont", "Messages", ""};
    const QString keys[] = {"Option 1", "option 1", "Left", "Top", "Theme", "File", "Name"};
    const QString values[] = {"1", "0", "", "  padded  ", "Grün", "\u20ac", "German.lng"};
    quint32 seed = 12345;
    const auto next = [&seed](size_t n) {
        seed = seed * 1103515245u + 12345u;
        return size_t(seed >> 8) % n;
    };
    for (const QByteArray& file : files) {
        const ProfileDocument doc(file);
        for (int round = 0; round < 200; ++round) {
            std::vector<ProfileWrite> writes(1 + next(12));
            for (ProfileWrite& w : writes)
                w = {sections[next(std::size(sections))], keys[next(std::size(keys))],
                    values[next(std::size(values))]};
            ASSERT_EQ(doc.withValues(writes), oneByOne(file, writes))
                << file.toStdString() << " round " << round;
        }
    }
    // Writes that reshape the file are made one by one.
    const std::vector<ProfileWrite> reshaping = {{"A", "k", "1\r\n[B]"}, {"B", "x", "2"},
        {"A", "[C]", "3"}, {"C", "y=z", "4"}, {"", "\ufeffk", "5"}};
    EXPECT_EQ(ProfileDocument().withValues(reshaping), oneByOne({}, reshaping));
}
