#include "settings/record/CardSettingFolders.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

using namespace Qt::StringLiterals;

namespace {
// A card laid out by a case: FOLDERS made inside it, then each LINK made at its path (relative to
// the card) pointing to its target ("@out" the folder beside the card, "@card/X" the card's X).
struct FoldersCase
{
    const char *name;
    QStringList folders;
    QList<std::pair<QString, QString>> links;
    const char *problemNames; // a fragment of the problem's text; empty: no problem
};

void PrintTo(const FoldersCase &layout, std::ostream *out)
{
    *out << layout.name;
}

class CardSettingFoldersTest : public ::testing::TestWithParam<FoldersCase>
{
protected:
    QString card() const { return m_scratch.filePath(u"card"_s); }
    QString outside() const { return m_scratch.filePath(u"outside"_s); }

    void build(const FoldersCase &layout) const
    {
        ASSERT_TRUE(QDir().mkpath(card()));
        ASSERT_TRUE(QDir().mkpath(outside() + u"/html"_s));
        for (const QString &folder : layout.folders) {
            ASSERT_TRUE(QDir(card()).mkpath(folder)) << folder.toStdString();
        }
        for (const auto &[at, target] : layout.links) {
            QString resolved = target;
            resolved.replace(u"@out"_s, outside()).replace(u"@card"_s, card());
            ASSERT_TRUE(QFile::link(resolved, QDir(card()).filePath(at))) << at.toStdString();
        }
    }

    QTemporaryDir m_scratch;
};

TEST_P(CardSettingFoldersTest, OnlyTheCardsOwnFoldersPass)
{
    const FoldersCase &layout = GetParam();
    build(layout);
    if (HasFatalFailure()) {
        return;
    }
    const QString problem = CardSettingFolders::problem(card());
    // A file of the card itself: only the folders decide.
    const QString settingFile = card() + u"/note.txt"_s;
    if (QString::fromUtf8(layout.problemNames).isEmpty()) {
        EXPECT_EQ(problem, QString());
        EXPECT_TRUE(CardSettingFolders::isCardFile(settingFile, card()));
    } else {
        EXPECT_TRUE(problem.contains(QString::fromUtf8(layout.problemNames))) << problem.toStdString();
        EXPECT_FALSE(CardSettingFolders::isCardFile(settingFile, card())) << "no file of a refused card";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, CardSettingFoldersTest,
    ::testing::Values(
        FoldersCase{"NoSettingsFolderYet", {}, {}, ""},
        FoldersCase{"OrdinaryFolders", {u"SETTING/html"_s, u"SETTING/lang"_s}, {}, ""},
        FoldersCase{"BothSpellingsOfTheirOwn", {u"SETTING"_s, u"setting/html"_s}, {}, ""},
        FoldersCase{"SettingLinkedOut", {}, {{u"SETTING"_s, u"@out"_s}}, "SETTING is a link"},
        FoldersCase{"LowerCaseSettingLinkedOut", {}, {{u"setting"_s, u"@out"_s}}, "setting is a link"},
        FoldersCase{"HtmlLinkedOut", {u"SETTING"_s}, {{u"SETTING/html"_s, u"@out/html"_s}}, "html is a link"},
        FoldersCase{"LangLinkedOut", {u"setting"_s}, {{u"setting/lang"_s, u"@out"_s}}, "lang is a link"},
        // A link is refused even when it stays on the card: what it leads to may change under the route.
        FoldersCase{"LinkWithinTheCard", {u"other"_s}, {{u"SETTING"_s, u"@card/other"_s}}, "SETTING is a link"},
        FoldersCase{"DanglingLink", {}, {{u"SETTING"_s, u"@card/missing"_s}}, "SETTING is a link"}),
    [](const ::testing::TestParamInfo<FoldersCase> &param) { return std::string(param.param.name); });

TEST(CardSettingFoldersRootTest, ACardReachedThroughALinkOrMissingIsNotRefusedHere)
{
    QTemporaryDir scratch;
    const QString card = scratch.filePath(u"card"_s);
    ASSERT_TRUE(QDir().mkpath(card + u"/SETTING/html"_s));
    // A card mounted where a link leads (an automounter's path) is still the card.
    const QString mountLink = scratch.filePath(u"mounted"_s);
    ASSERT_TRUE(QFile::link(card, mountLink));
    EXPECT_EQ(CardSettingFolders::problem(mountLink), QString());
    EXPECT_TRUE(CardSettingFolders::isCardFile(mountLink + u"/SETTING/setup.cfg"_s, mountLink));
    // The routes say themselves that there is no card.
    EXPECT_EQ(CardSettingFolders::problem(scratch.filePath(u"gone"_s)), QString());
    EXPECT_EQ(CardSettingFolders::problem(QString()), QString());
    // A file named through the card yet lying beside it is not the card's.
    EXPECT_FALSE(CardSettingFolders::isCardFile(card + u"/../elsewhere.cfg"_s, card));
}
} // namespace
