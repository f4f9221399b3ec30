// The table of what each main-window control says: it names real controls, and the tooltip reads
// "action (key)".
#include "app/ControlDescriptions.h"

#include "support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Command = KeyCommandTable::Command;

namespace {
// The object names of the main window's description, read from the file itself.
QSet<QString> namesInMainWindowDescription()
{
    QFile file(QStringLiteral(VELMORA_SOURCE_DIR) + u"/resources/ui/MainWindow.ui"_s);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    static const QRegularExpression widget(uR"re(<widget class="\w+" name="(\w+)")re"_s);
    QSet<QString> names;
    const QString text = QString::fromUtf8(file.readAll());
    for (auto match = widget.globalMatch(text); match.hasNext();) {
        names.insert(match.next().captured(1));
    }
    return names;
}

TEST(ControlDescriptionsTest, EveryRowNamesAControlOfTheWindowOnce)
{
    QSet<QString> names = namesInMainWindowDescription();
    ASSERT_TRUE(names.contains(u"zoomInButton"_s)) << "resources/ui/MainWindow.ui not read";
    // The two buttons of the menu bar's corner are made in code.
    names << u"minimizeButton"_s << u"closeButton"_s;
    QSet<QString> described;
    for (const ControlDescriptions::Description &row : ControlDescriptions::mainWindow()) {
        EXPECT_TRUE(names.contains(row.objectName)) << row.objectName.toStdString() << " is not in the window";
        EXPECT_FALSE(described.contains(row.objectName)) << row.objectName.toStdString() << " twice";
        described.insert(row.objectName);
        EXPECT_FALSE(row.textKey.isEmpty()) << row.objectName.toStdString();
        if (row.command) {
            EXPECT_EQ(row.textKey, KeyCommandTable::commandTextKey(*row.command)) << "one wording per action";
        }
    }
    // Every button a key presses says which key that is.
    for (const KeyCommandTable::Row &key : KeyCommandTable::rows()) {
        const QString button = KeyCommandTable::buttonFor(key.command);
        if (!button.isEmpty()) {
            const auto row = ControlDescriptions::find(button);
            ASSERT_TRUE(row.has_value()) << button.toStdString();
            EXPECT_EQ(row->command, key.command) << button.toStdString();
        }
    }
}

TEST(ControlDescriptionsTest, OnlyTheCloudAndBrandButtonsAreUnavailable)
{
    QStringList unavailable;
    for (const ControlDescriptions::Description &row : ControlDescriptions::mainWindow()) {
        if (row.unavailable) {
            unavailable << row.objectName;
            EXPECT_FALSE(row.command.has_value()) << "a key must not stand for a button that does nothing";
        }
    }
    EXPECT_EQ(unavailable, (QStringList{u"cloudUpButton"_s, u"cloudDownButton"_s, u"goHomepageButton"_s}));
    EXPECT_FALSE(ControlDescriptions::find(u"fileListAllButton_OEM"_s)) << "the filter buttons show their text";
}

TEST(ControlDescriptionsTest, TheTooltipNamesTheActionThenItsKeyOrNote)
{
    EXPECT_EQ(ControlDescriptions::toolTip(u"Zoom in"_s, u"+"_s), u"Zoom in (+)"_s);
    EXPECT_EQ(ControlDescriptions::toolTip(u"Upload to cloud"_s, u"not available on this computer"_s),
              u"Upload to cloud (not available on this computer)"_s);
    EXPECT_EQ(ControlDescriptions::toolTip(u"Stop"_s, QString()), u"Stop"_s) << "no empty brackets";
}
} // namespace
