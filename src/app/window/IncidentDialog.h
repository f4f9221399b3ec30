#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class IncidentDialog;
}

// The small dialog before an incident report: the moment, the seconds before and after it, and
// the report's new folder (typed, or its parent chosen with the browse button).
class IncidentDialog : public QDialog
{
    Q_OBJECT

public:
    IncidentDialog(double moment, double duration, const QString &folder, QWidget *parent = nullptr);
    ~IncidentDialog() override;

    double moment() const;
    double before() const;
    double after() const;
    QString folder() const;
    void setFolder(const QString &folder);

private:
    void browse();
    void fitFolderField();

    std::unique_ptr<Ui::IncidentDialog> m_ui;
};
