#pragma once

#include <QAccessible>
#include <QListView>
#include <QRegularExpression>
#include <QStringList>
#include <QTreeView>
#include <QWidget>

// For GUI tests only (header-only): what a screen reader finds under a widget. Every element a person acts on
// (button, tab, list or tree entry, check box, radio button, field, drop-down) as "kind|name|description", in
// the order of the accessibility tree.
inline void collectControls(QAccessibleInterface* pNode, QStringList& out, int depth)
{
    if (pNode == nullptr || depth > 40)
        return;
    static const QMap<QAccessible::Role, QString> kinds{
        {QAccessible::PushButton, "button"},     {QAccessible::ButtonMenu, "button"},
        {QAccessible::ButtonDropDown, "button"}, {QAccessible::CheckBox, "check"},
        {QAccessible::RadioButton, "radio"},     {QAccessible::PageTab, "tab"},
        {QAccessible::ListItem, "item"},         {QAccessible::TreeItem, "item"},
        {QAccessible::EditableText, "field"},    {QAccessible::ComboBox, "combo"}};
    // The file views show only the names of the file model's columns (size, type and date stay hidden), but
    // the accessibility tree still lists a cell for each; only the cells shown count.
    const QAccessibleTableCellInterface* pCell = pNode->tableCellInterface();
    const QObject* pView = pCell != nullptr ? pCell->table()->object() : nullptr;
    bool bShown = true;
    if (const auto* pTree = qobject_cast<const QTreeView*>(pView))
        bShown = !pTree->isColumnHidden(pCell->columnIndex());
    else if (const auto* pList = qobject_cast<const QListView*>(pView))
        bShown = pCell->columnIndex() == pList->modelColumn();
    const QString kind = bShown ? kinds.value(pNode->role()) : QString();
    if (!kind.isEmpty())
        out << kind + '|' + pNode->text(QAccessible::Name) + '|' + pNode->text(QAccessible::Description);
    for (int i = 0; i < pNode->childCount(); ++i)
        collectControls(pNode->child(i), out, depth + 1);
}

inline QStringList accessibleControls(QWidget* pRoot)
{
    QStringList controls;
    collectControls(QAccessible::queryAccessibleInterface(pRoot), controls, 0);
    return controls;
}

// The controls a screen reader cannot name in plain words: no name, or markup in the name or description.
inline QStringList unnamedControls(const QStringList& controls)
{
    return controls.filter(QRegularExpression("^\\w+\\|\\||<"));
}
