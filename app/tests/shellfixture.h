// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "learningwindows.h"
#include "recordingservices.h"
#include "shell.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

/// A program under test: the real shell and windows on recording platform services, with the
/// program folder in a temporary folder.
struct ShellFixture {
    explicit ShellFixture(LearningWindows windows = ProgramLearningWindows())
    {
        QStandardPaths::setTestModeEnabled(true);
        // Test mode leaves the documents folder where it is: papers saved by a test must land
        // in the temporary folder, never among the user's own.
        qputenv("HOME", QFile::encodeName(folder.filePath(QStringLiteral("home"))));
        shell = std::make_unique<Shell>(platform.services(), folder.path(), std::move(windows));
    }

    template <class Control = QWidget> Control *find(const QString &name) const
    {
        QWidget *window = shell->currentWindow();
        return window ? window->findChild<Control *>(name) : nullptr;
    }

    QTemporaryDir folder;
    RecordingServices platform;
    std::unique_ptr<Shell> shell;
};
