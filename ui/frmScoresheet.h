#pragma once

#include <QMainWindow>

struct WindowContext;

// The electronic scoresheet. (For now an empty window that leads back to the launcher.)
class frmScoresheet final : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmScoresheet(WindowContext &context, QWidget *parent = nullptr);

Q_SIGNALS:
    void Form_Unload();

protected:
    void closeEvent(QCloseEvent *event) override;
};
