#include "CliOutput.h"

#include <QJsonDocument>

using namespace Qt::StringLiterals;

CliOutput::CliOutput(QTextStream &out, QTextStream &err) : m_out(out), m_err(err)
{
}

int CliOutput::printJson(const QJsonObject &object)
{
    m_out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << u'\n';
    m_out.flush();
    return Success;
}

int CliOutput::printJson(const QJsonArray &array)
{
    m_out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)) << u'\n';
    m_out.flush();
    return Success;
}

int CliOutput::usageError(const QString &message)
{
    m_err << u"velmora-cli: "_s << message << u'\n';
    m_err.flush();
    return BadUsage;
}

int CliOutput::inputError(const QString &message)
{
    m_err << u"velmora-cli: "_s << message << u'\n';
    m_err.flush();
    return UnreadableInput;
}
