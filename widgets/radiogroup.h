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
    // Chooses an item, or none with -1, without emitting itemClicked.
    void setItemIndex(int index);
    QRadioButton *item(int index) const { return m_buttons.value(index); }
    int count() const { return int(m_buttons.size()); }

signals:
    // The user clicked an item (also the one already chosen).
    void itemClicked(int index);
    // The chosen item became another one.
    void itemChanged(int index);

private:
    QButtonGroup m_group;
    QList<QRadioButton *> m_buttons;
};
