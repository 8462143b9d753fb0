// The host platform's architecture services: language strings and the start-up queue.
#pragma once

// Loads the strings of a language ("EN1" is built in; tables in the language directories add
// or override languages) and puts it in use. Loads are counted per language: every LANG_load
// is matched by one LANG_unload, and a language's strings stay until its last unload. Answers
// false for an unknown language (the lookups then find nothing while it is in use).
bool LANG_load(const char* language);
// Copies the string of key in the language in use (the most recently loaded of those still
// loaded) into buffer (at most size - 1 bytes, system code page); answers false when there is
// none.
bool LANG_getString(const char* key, char* buffer, int size);
// Unloads one load of the named language, or of the language in use when none is named, so
// that whoever loaded a language can give back exactly its own load. Nothing loaded, nothing
// done.
void LANG_unload(const char* language = nullptr);

// Takes the value left under key in the named queue (shared across processes, kept in the
// home directory) into buffer, at most size - 1 bytes. An empty queue answers at once with an
// empty buffer. Answers the number of bytes copied.
int Q_popString(const char* key, const char* reserved, char* buffer, int size, const char* queue,
                int timeoutMs);
// Leaves a value in a queue under key (the host's side of the queue).
bool Q_pushString(const char* queue, const char* key, const char* value);

namespace zenkor {
// The directories searched for language tables "<dir>/<LANGUAGE>.lang", in order; a later
// directory overrides an earlier one. Default: "<home>/lang".
void setLanguageDirectories(const char* const* dirs, int count);
}  // namespace zenkor
