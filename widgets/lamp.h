#pragma once
// Indicator lamp: lime when lit, button face when out. Not clickable.

#include <QWidget>

class Lamp : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool lit READ isLit WRITE setLit)
public:
    explicit Lamp(QWidget *parent = nullptr);
    bool isLit() const { return m_lit; }
    // Redrawn at once, so that even a short flash shows.
    void setLit(bool lit);
    QSize sizeHint() const override { return {28, 34}; }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    bool m_lit = false;
};
