// The files the output windows write for the user (text reports,
// workbooks, pictures, PDF): each through a core writer that replaces the
// file atomically, a failure told in the one message they share.
#pragma once

#include <QString>

#include <functional>
#include <string>

// Runs `write` (a core writer taking the path as the file system spells
// it). False when the file could not be written, for whatever reason; any
// old file is then as it was.
bool WriteLocalFile(const QString& path, const std::function<bool(const std::string& localPath)>& write);

// Writes `bytes` over `path`.
bool WriteLocalFile(const QString& path, const std::string& bytes);

// "Ошибка записи в файл!"
void ShowWriteError();
