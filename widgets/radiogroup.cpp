#include "widgets/radiogroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QStringList &items, QWidget *parent)
    : QGroupBox(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto *b = new QRadioButton(items.at(i), this);
        b->setObjectName(QStringLiteral("RadioItem%1").arg(i));
        m_group.addButton(b, i);
        m_buttons << b;
        layout->addWidget(b);
    }
    connect(&m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return m_group.checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index == itemIndex())
        return;
    if (index < 0 || index >= m_buttons.size()) {
        // An exclusive group will not uncheck its last button by itself.
        m_group.setExclusive(false);
        for (auto *b : m_buttons)
            b->setChecked(false);
        m_group.setExclusive(true);
        return;
    }
    m_buttons.at(index)->setChecked(true);
}
