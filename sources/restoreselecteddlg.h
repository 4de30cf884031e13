#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

struct BackUpImage;
class QCheckBox;
class QDialogButtonBox;
class QListWidget;

// "Restore selected...": which parts of an opened back-up go back into the unit. The back-up's user presets (each
// with its mark), each set list and, on its own, the system parameters; nothing is chosen that the back-up does
// not hold. Only what is chosen is written.
class RestoreSelectedDlg : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(RestoreSelectedDlg)

public:
    // presetMarks: the mark of each preset row in the back-up view, in order.
    RestoreSelectedDlg(const BackUpImage& image, const QString& fileName, const QStringList& presetMarks,
                       QWidget* parent = nullptr);
    ~RestoreSelectedDlg() override;

    // What is chosen when the dialog opens (what was selected in the back-up view).
    void choose(const QList<int>& presets, const QList<int>& setLists, bool bSysParams);
    QList<int> presets() const;
    QList<int> setLists() const;
    bool sysParams() const;

private:
    void updateButton();

    QListWidget* m_pPresets = nullptr;
    QList<QCheckBox*> m_setLists;
    QCheckBox* m_pSysParams = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
};
