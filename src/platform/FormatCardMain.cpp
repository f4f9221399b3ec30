#include "platform/FormatCardTool.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-format-card"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));

    QTextStream out(stdout);
    QTextStream err(stderr);
#ifdef VELMORA_FORMAT_CARD_TEST_BUILD
    const auto testOptions = FormatCardTool::TestOptions::Accepted;
#else
    const auto testOptions = FormatCardTool::TestOptions::Refused;
#endif
    return FormatCardTool::run(QCoreApplication::arguments().mid(1), out, err, testOptions);
}
