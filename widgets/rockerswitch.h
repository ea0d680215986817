#pragma once
// Two-position rocker switch with a lamp and a caption. A press flips it; the
// program may set it to either position afterwards.

#include <QAbstractButton>

class RockerSwitch : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool on READ isOn WRITE setOn)
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
public:
    explicit RockerSwitch(QWidget *parent = nullptr);
    bool isOn() const { return isChecked(); }
    void setOn(bool on) { setChecked(on); }
    QString caption() const { return text(); }
    void setCaption(const QString &c) { setText(c); }
    QSize sizeHint() const override { return {91, 85}; }

signals:
    // A mouse button was released over the switch; comes after clicked().
    void mouseUp();

protected:
    void paintEvent(QPaintEvent *) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};
