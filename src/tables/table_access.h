// The table access layer: one shared table at a time, opened from the DBF folder (or a copy
// in the temporary folder when that folder cannot be written), indexed on one field, shown
// in the browser, read by field position and written by field name. Failures show their
// message box and set p.cancel; callers test p.cancel after each step.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "tables/dbf_error.h"
#include "tables/table_session.h"

namespace kv40::tables {

// Where a table of the DBF folder lies: the DBF folder + name (".dbf" appended when the
// name has no "."). With the shipped data folder as DBF folder, a table that is not there
// comes from the tables this build made from their CSV sources.
std::filesystem::path TablePath(const TableSession& p, const std::string& name);
// The temporary folder of the configuration (the environment's when none is set).
std::filesystem::path TempFolder(const TableSession& p);

// "Fehler : DBF Error " + code, and cancel.
void ShowDbfError(TableSession& p, DbfError error);

bool OpenTable(TableSession& p, const std::string& name);
// Opens a table file as it is, without the write test; failure: DBF error and cancel.
bool OpenTableFile(TableSession& p, const std::filesystem::path& file);
void CloseTable(TableSession& p);
bool TableOpen(const TableSession& p);
void SetBrowserTitles(TableSession& p, const std::string& title1, const std::string& title2);

// Record n; above the count: message "DBF #n not found." and the last record; below 1: 1.
void GoRecord(TableSession& p, int n);
int RecordNumber(const TableSession& p);
int RecordCount(const TableSession& p);
std::string FieldText(const TableSession& p, int n);
std::string FieldName(const TableSession& p, int n);
// Whether the logical field of that name holds true.
bool FieldByName(const TableSession& p, const std::string& name);

void WriteTextField(TableSession& p, const std::string& name, const std::string& text);
void WriteIntField(TableSession& p, const std::string& name, std::int64_t value);
void WriteRealField(TableSession& p, const std::string& name, Extended value);
void WriteLogicalField(TableSession& p, const std::string& name, bool value);
void Post(TableSession& p);
// Appends a blank record, writes it and makes it current.
void AppendRecord(TableSession& p);

// Index on the named field in the temporary folder + table + ".ndx": opened when it exists
// and fits the table, made anew otherwise.
void MakeIndex(TableSession& p, const std::string& field, const std::string& table);
// Exact search in the index; when not found, again with every "." of the key as ",".
bool FindKey(TableSession& p, const std::string& key);
bool Found(const TableSession& p);

// Shows the browser: kind 1 picks a record, any other kind edits the table. OK posts and
// returns true; cancel sets p.cancel.
bool Browse(TableSession& p, const std::string& mode, int kind);

}  // namespace kv40::tables
