#pragma once
// A started application on scripted services, with helpers to reach the form's controls.
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

#include "records/vexamo_doc.h"
#include "res/resource_ids.h"
#include "scripted_services.h"
#include "ui/vexamo_app.h"

class CMainView;
class CMainFrame;
class CPhaseDiagram;
class QListWidget;

namespace places {
class PlaceCatalogue;
}

// The names stored in the record file at path, sorted, and whether bytes follow its last entry.
QStringList NamesStoredIn(const QString& path, bool* trailing = nullptr);

class AppFixture : public ::testing::Test {
  protected:
    AppFixture();
    ~AppFixture() override;

    // Starts the application; the clock reads 17.5.2024 14:33 unless changed before.
    bool Start(const QStringList& arguments = {});

    CMainView& View() const;
    CMainFrame& Frame() const;
    CVexamoDoc& Doc() const { return app->Document(); }

    // The form's control with this id, found by its object name (the id).
    QWidget* Control(int id) const;
    CPhaseDiagram& Diagram() const;
    QListWidget& RecordList() const;
    // The names the record list shows, top to bottom.
    QStringList ListedNames() const;
    // The simple layout is shown (its button offers the extended one).
    bool SimpleLayout() const;

    QString Text(int id) const;
    void SetText(int id, const QString& text) const;
    void SetChecked(int id, bool checked) const;
    void Click(int id) const;
    // Chooses the menu command (or presses its accelerator).
    void Command(int command) const;
    // Fills day, month, year, hour, minute and time difference.
    void EnterBirth(int day, int month, int year, int hour, int minute, int timeZone) const;

    // A ".dat" file in the temporary folder holding these records.
    QString WriteFile(const QString& fileName,
                      const std::vector<std::pair<std::string, VXDateStore>>& records) const;
    QString TempPath(const QString& fileName) const;
    // The outer size the frame must have to end 15 pixels past the group box's corner.
    QSize ExpectedFrameSize(int groupId) const;

    QDateTime now{QDate(2024, 5, 17), QTime(14, 33)};
    CScriptedMessageService messages;
    CScriptedFileDialogService files;
    CScriptedDialogService dialogs;
    CScriptedPrintDialogService printDialogs;
    const places::PlaceCatalogue* places = nullptr; // the birthplace dialog's, before Start
    // The place table whose state the birthplace dialog tells, before Start; the program's own
    // when unset.
    std::optional<std::string> placeTableFile;
    // The computer's zone, before Start: none, so field 1022 keeps its value unless a test
    // names a zone or the computer's own.
    std::function<std::string()> computerZone = [] { return std::string(); };
    QString settingsOrganization;
    QTemporaryDir folder;
    std::unique_ptr<CVexamoApp> app;
};
