#pragma once
// Group of radio items without a caption; item -1 means none chosen.

#include <QButtonGroup>
#include <QGroupBox>
#include <QList>

class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QStringList &items, QWidget *parent = nullptr);
    int itemIndex() const;
    // Chooses an item, or none with -1.
    void setItemIndex(int index);
    QRadioButton *item(int index) const { return m_buttons.value(index); }
    int count() const { return int(m_buttons.size()); }

signals:
    // The chosen item became another one (by a click, or set by the program).
    void itemChanged(int index);

private:
    QButtonGroup m_group;
    QList<QRadioButton *> m_buttons;
};
