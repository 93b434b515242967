#pragma once
// A calculator window over a settings store in a fresh temporary folder,
// plus helpers to read what a user would see.

#include "store/profile_store.h"
#include "controls/lcd_display.h"
#include "resources/control_ids.h"
#include "ui/window/calculator_dialog.h"
#include "store/tape_store.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>

// Readable QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toPercentEncoding(" []=#\"").constData() << '"'; }

namespace quillet::testing {

inline constexpr const char* kTestApplication = "quillet";

class CalculatorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ProfileStore::SetUserFolder(m_folder.path());
        // The tape's file, among the user's data, in the same fresh folder.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_folder.path() + QStringLiteral("/data")));
        m_profile = std::make_unique<ProfileStore>(QStringLiteral("QuilletC"), QString::fromLatin1(kTestApplication));
    }

    void TearDown() override { m_dialog.reset(); }

    // Where QSettings keeps the store on this platform's native format.
    QString SettingsFile(const QString& application = QString::fromLatin1(kTestApplication)) const
    {
        return m_folder.path() + QStringLiteral("/QuilletC/") + application + QStringLiteral(".conf");
    }

    void WriteSettingsFile(const QByteArray& content, const QString& application = QString::fromLatin1(kTestApplication)) const
    {
        QDir().mkpath(m_folder.path() + QStringLiteral("/QuilletC"));
        QFile file(SettingsFile(application));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    QString TapeFile() const { return TapeStore().Path(); }

    QByteArray ReadSettingsFile() const
    {
        QFile file(SettingsFile());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Builds the window (reading the store) and shows it, keyboard map active.
    CalculatorDialog& Open()
    {
        m_dialog = std::make_unique<CalculatorDialog>(*m_profile);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get());
        return *m_dialog;
    }

    // Closes the window and opens a new one over the same store: a restart.
    CalculatorDialog& Restart()
    {
        m_dialog.reset();
        return Open();
    }

    CalculatorDialog& Dialog() { return *m_dialog; }

    template <typename T = QWidget>
    T* Item(int id)
    {
        return static_cast<T*>(m_dialog->GetDlgItem(id));
    }

    LcdDisplay& DisplayOf(int index)
    {
        constexpr int ids[3] = {IDC_IN_DISPLAY, IDC_OUT_DISPLAY, IDC_DURATION_DISPLAY};
        return *Item<LcdDisplay>(ids[index]);
    }

    std::string Text(int index) { return DisplayOf(index).m_text; }
    std::uint32_t Colour(int index) { return DisplayOf(index).m_backColor; }

    QComboBox& Selector(int index)
    {
        constexpr int ids[3] = {IDC_IN_FORMAT, IDC_OUT_FORMAT, IDC_DURATION_FORMAT};
        return *Item<QComboBox>(ids[index]);
    }

    // Picks `row` in a selector the way a user does: opens the list and clicks the row.
    void ChooseFormat(int index, int row)
    {
        QComboBox& selector = Selector(index);
        selector.showPopup();
        QAbstractItemView* list = selector.view();
        const QRect rowRect = list->visualRect(selector.model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect.center());
        ASSERT_FALSE(list->isVisible());
    }

    void Click(int id) { QTest::mouseClick(Item(id), Qt::LeftButton); }

    // Types on the keyboard into the window's focused control (or the window).
    void Type(const char* keys)
    {
        for (const char* c = keys; *c != '\0'; ++c) QTest::keyClick(Target(), *c);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Target(), key, modifiers);
    }
    QWidget* Target()
    {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr && focus->window() == m_dialog.get() ? focus : m_dialog.get();
    }

    // Runs `action` on the next modal dialog that opens while `opener` runs.
    static void WithNextModal(const std::function<void(QWidget&)>& action, const std::function<void()>& opener)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            seen = true;
            action(*modal);
        });
        opener();
        EXPECT_TRUE(seen);
    }

    QTemporaryDir m_folder;
    std::unique_ptr<ProfileStore> m_profile;
    std::unique_ptr<CalculatorDialog> m_dialog;
};

} // namespace quillet::testing
