// The program's picture: a small score sheet of "+" and "-" marks, as the
// game table shows them. The About window shows it; a click on it is the
// user's way to close that window at once.
#pragma once

#include <QWidget>

class ProgramPicture : public QWidget {
    Q_OBJECT
public:
    explicit ProgramPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
