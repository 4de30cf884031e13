#pragma once

#include "contentwidget.h"
#include "splashscreen.h"

#include <QtWidgets>

// For GUI tests only (header-only): every text a person reads in a widget and the visible widgets under it, and
// whether it fits. A text is "data" when it is the unit's, a file's or Qt's own rather than ours: no letter in it,
// a preset's name, a version, the About box's lines (info.ini's), a standard button or a file view's header (Qt
// translates those).
struct ShownText
{
    QString where; // "class objectName: kind"
    QString text;
    bool bFits = true;
    bool bData = false;
};

inline QList<ShownText> shownTexts(QWidget* pRoot)
{
    // Data, not words: no letter at all, a version, a file's path or name.
    static const QRegularExpression letter("\\p{L}"), version("v\\d+\\.\\d+"),
        file("^/|\\.(tarb|tscb|tarp|tscp|dat|ldr|bin)$");
    QList<ShownText> out;
    const auto add = [&](QWidget* w, const char* kind, const QString& text, bool bFits, bool bData = false) {
        if (text.isEmpty())
            return;
        const QString where = QString("%1 %2: %3").arg(w->metaObject()->className(), w->objectName(), kind);
        out.append({where, text, bFits, bData || !text.contains(letter) || text.contains(version) || text.contains(file)});
    };
    QList<QWidget*> widgets{pRoot};
    widgets += pRoot->findChildren<QWidget*>();
    for (QWidget* w : widgets) {
        if (!w->isVisible())
            continue;
        const QFontMetrics fm = w->fontMetrics();
        if (w->isWindow())
            add(w, "title", w->windowTitle(), true);
        add(w, "tool tip", w->toolTip(), true);
        add(w, "accessible name", w->accessibleName(), true);
        add(w, "accessible description", w->accessibleDescription(), true);
        if (auto* pLabel = qobject_cast<QLabel*>(w)) {
            const bool bFits = pLabel->wordWrap() ? pLabel->heightForWidth(pLabel->width()) <= pLabel->height()
                                                  : pLabel->minimumSizeHint().width() <= pLabel->width();
            add(w, "label", pLabel->text(), bFits, qobject_cast<CSplashScreen*>(w->parentWidget()) != nullptr);
        } else if (auto* pButton = qobject_cast<QAbstractButton*>(w)) {
            auto* pBox = qobject_cast<QDialogButtonBox*>(w->parentWidget());
            const auto* pEntry = qobject_cast<PresetButton*>(w);
            add(w, "button", pButton->text(), pButton->sizeHint().width() <= pButton->width(),
                (pBox != nullptr && pBox->standardButton(pButton) != QDialogButtonBox::NoButton) ||
                    (pEntry != nullptr && pEntry->presetNumber() != 0));
        } else if (auto* pBar = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < pBar->count(); ++i) {
                QStyleOptionTab option;
                option.initFrom(pBar);
                option.shape = pBar->shape();
                option.text = pBar->tabText(i);
                const QSize content(fm.size(Qt::TextShowMnemonic, option.text).width() +
                                        pBar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, pBar),
                                    fm.height());
                const QSize needed = pBar->style()->sizeFromContents(QStyle::CT_TabBarTab, &option, content, pBar);
                const QRect shown = pBar->tabRect(i);
                add(w, "tab", option.text, needed.width() <= shown.width() && shown.right() < pBar->width());
            }
        } else if (auto* pHeader = qobject_cast<QHeaderView*>(w)) {
            const bool bQts = qobject_cast<QFileSystemModel*>(pHeader->model()) != nullptr;
            for (int i = 0; pHeader->model() != nullptr && i < pHeader->count(); ++i) {
                if (pHeader->isSectionHidden(i))
                    continue;
                const QString text = pHeader->model()->headerData(i, pHeader->orientation()).toString();
                const int margin = 2 * pHeader->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, pHeader);
                add(w, "header", text, fm.horizontalAdvance(text) + margin <= pHeader->sectionSize(i), bQts);
            }
        } else if (auto* pGroup = qobject_cast<QGroupBox*>(w)) {
            add(w, "group", pGroup->title(), pGroup->minimumSizeHint().width() <= pGroup->width());
        } else if (auto* pCombo = qobject_cast<QComboBox*>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(pCombo);
            const QRect field =
                pCombo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, pCombo);
            add(w, "combo", pCombo->currentText(), fm.horizontalAdvance(pCombo->currentText()) <= field.width());
        } else if (auto* pEdit = qobject_cast<QLineEdit*>(w)) {
            add(w, "placeholder", pEdit->placeholderText(),
                fm.horizontalAdvance(pEdit->placeholderText()) <= pEdit->contentsRect().width() - 4);
        }
    }
    return out;
}

// What a person would find wrong in the language shown: "cut|where|text" for a text wider than its widget shows
// (window titles aside), and with bMarked "unmarked|where|text" for one of ours without the pseudo-translation's
// marks.
inline QStringList textFaults(QWidget* pRoot, bool bMarked)
{
    QStringList faults;
    for (const ShownText& shown : shownTexts(pRoot)) {
        if (!shown.bFits)
            faults << "cut|" + shown.where + '|' + shown.text;
        if (bMarked && !shown.bData && !shown.text.contains(QStringLiteral("\u27E6")))
            faults << "unmarked|" + shown.where + '|' + shown.text;
    }
    return faults;
}
