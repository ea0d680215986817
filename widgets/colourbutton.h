#pragma once
// Instrument-style colour button or indicator with an "off" and an "on" caption.

#include <QAbstractButton>
#include <QColor>

class ColourButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString captionOff READ captionOff WRITE setCaptionOff)
    Q_PROPERTY(QString captionOn READ captionOn WRITE setCaptionOn)
    Q_PROPERTY(QColor colorOff READ colorOff WRITE setColorOff)
    Q_PROPERTY(QColor colorOn READ colorOn WRITE setColorOn)
    Q_PROPERTY(bool indicator READ isIndicator WRITE setIndicator)
    Q_PROPERTY(bool on READ isOn WRITE setOn)
    Q_PROPERTY(bool centred READ isCentred WRITE setCentred)
public:
    explicit ColourButton(QWidget *parent = nullptr);

    QString captionOff() const { return m_captionOff; }
    void setCaptionOff(const QString &text);
    QString captionOn() const { return m_captionOn; }
    void setCaptionOn(const QString &text);
    // Both captions at once, the usual case.
    void setCaptions(const QString &off, const QString &on);
    QColor colorOff() const { return m_colorOff; }
    void setColorOff(const QColor &c);
    QColor colorOn() const { return m_colorOn; }
    void setColorOn(const QColor &c);
    void setColors(const QColor &off, const QColor &on);
    bool isIndicator() const { return m_indicator; }
    void setIndicator(bool indicator);
    bool isCentred() const { return m_centred; }
    void setCentred(bool centred);

    // An indicator is on when the program says so; a button while it is held.
    bool isOn() const { return m_indicator ? m_on : isDown(); }
    void setOn(bool on);
    // The caption currently shown.
    QString currentCaption() const { return isOn() ? m_captionOn : m_captionOff; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    QString m_captionOff, m_captionOn;
    QColor m_colorOff = Qt::black, m_colorOn = Qt::black;
    bool m_indicator = false;
    bool m_on = false;
    bool m_centred = false;
};
