#pragma once

#include "storage/profilestore.h"
#include "view/chipfamily.h"

#include <QQuickWidget>
#include <QVariant>

#include <array>
#include <memory>

class FileChooser;
class PointerSettings;
class Hid_Thread;

// The bridge between the QML scene and the native side: every storage and
// device action of the pages is one of its public slots ("ui_View" in QML).
class myQQuickView : public QQuickWidget
{
    Q_OBJECT

public:
    static constexpr int kProfileBlockCount = 5;
    static constexpr int kProfileBlockSize = 128;
    using ProfileBlock = std::array<uchar, kProfileBlockSize>;

    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    Hid_Thread *hid = nullptr;

    bool isColorful = false;
    bool isGun = false;
    QString icType;
    bool is55328 = false;

    std::array<ProfileBlock, kProfileBlockCount> profileBlocks{};

    ProfileStore &store() { return m_store; }
    int currentProfile() const { return m_store.currentProfile(); }
    // Replaces the file dialogs of import and export; the view does not own it.
    void setFileChooser(FileChooser *chooser);
    // Replaces the desktop's pointer settings (tests use their own backends).
    void setPointerSettings(std::unique_ptr<PointerSettings> settings);

public slots:
    void clearHidBusy();
    void initUI();
    void runUI();
    void resetApconfig();
    bool loadMacroFile(QVariant macroFileName);
    void saveMacroFile(QVariant macroFileName);
    bool loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    void copyProfile(int destprofile, int srcprofile);
    QStringList getLangStrings(QString typeStr, QString langCode);
    QVariant createMacroIni(QVariant name, QVariant macroIndex);
    QVariant updataNameList(QVariant type, QStringList nameList);
    QVariant modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname);
    void deleteMacroUpdateProfile(QVariant macroName);
    QVariant deleteMacroIni(QVariant name);
    QVariantList getNameList(QVariant type);
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat);
    QVariant mouseSendMacroData(QVariantList macroData, QVariant macroIndex);
    QStringList loadMacroIni(QVariant name);
    void mouseSaveGundata(QVariant index, QVariantList src6);
    void mouseSendGundata(int slot, QVariantList values);
    void modifyGundata(QVariant modifyType, QVariantList src6);
    QVariantList getGunData(QVariant name);
    QStringList getGunDataKey();
    QVariant getXYSensitive(QVariant index);
    QVariant getselectGun(QVariant index);
    void setXYSensitive(QVariant index, QVariant xyData);
    void setSelectGun(QVariant index, QVariant xyData);
    void setCurrentProfile(int profile);
    void mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void mouseSetReportRate(uchar rate);
    void mouseSetCurrentDPI(uchar currentDPI);
    void mouseResetKeyMatrix();
    QVariant mouseGetCurrentDPI();
    void mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam);
    void mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray);
    void mouseSetRGBEffect(uchar effect, uchar option1, uchar option2);
    void mouseSetRGBColor(uchar type, QVariantList src24);
    void mouseSetProfile(uint profileNo);
    // The mouse's profile block overwrites the view's copy (blocks 0 to 4).
    void mouseReadProfile(uint profileNo);
    QVariant mouseReadCurrentProfile();
    void mouseSwitchKeyMatrix(int indexNo);
    QVariantList GetKeyboardoption();
    void mouseSetCursorSpeed(uint cursorSpeed);
    void mouseSetVerticalScrollLines(uint lines);
    void mouseSetDoubleClickSpeed(uint speed);
    QVariantList mouseGetKeydefine(QVariant index, bool recovery);
    void openUpdateExe();
    QVariant getData(QVariant key, bool isRecovery = false);
    QVariant getGlobalData(QVariant key, QVariant unused = QVariant());
    QVariantList getDataList(QVariant key, bool isRecovery = false);
    void setData(QVariant key, QVariant data);
    void setGlobalData(QVariant key, QVariant tmpdata);
    void setDataList(QVariant key, QVariantList datalist);
    void setBusy(int busyTime);
    void setCurrentDPI(int dpiValue);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    QString askForFile(bool open, const QString &filter);
    ChipFamily family() const { return chipFamilyOf(icType); }
    // Sends profile block n as the view holds it.
    void writeProfileBlock(int n);
    // Block 1, and with recoil presets blocks 2 to 4: the blocks that carry DPI and lighting.
    void writeProfileBack();
    QSettings *currentProfileFile() const;

    ProfileStore m_store;
    std::unique_ptr<FileChooser> m_dialogs;
    FileChooser *m_chooser = nullptr;
    std::unique_ptr<PointerSettings> m_pointer;
};
