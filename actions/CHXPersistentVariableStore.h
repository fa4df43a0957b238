#ifndef HX_C_HX_PERSISTENT_VARIABLE_STORE_H
#define HX_C_HX_PERSISTENT_VARIABLE_STORE_H

#include "actions/IHXVariable.h"

#include <ILogger.h>

#include <map>
#include <string>

//! The variables an application stored, kept across runs in one Base64 text file per
//! application. Writing never loses the previous file: the new text goes to a temporary file in
//! the same folder, is flushed to disk and then renamed over the old one.
class CHXPersistentVariableStore
{
public:
	//! Longest value a load hands to a variable; longer stored values are cut.
	enum { MAX_LOADED_VALUE_LENGTH = 4083 };

	//! filePath is the store file; logger (may be null) hears about damaged files.
	CHXPersistentVariableStore(const std::string& filePath, irr::ILogger* logger);

	//! The store file of an application: <data folder>/<vendor>/.<application key>. Empty when
	//! the data folder is unknown. Creates the vendor folder when it is missing.
	static std::string makeStorePath(const irr::core::stringc& applicationTitle);

	//! The application's name with every character that is not an ASCII letter, digit or full
	//! stop replaced by "_"; "HelixpaneApp" when there is none.
	static std::string makeApplicationKey(const irr::core::stringc& applicationTitle);

	//! Reads the whole file; a missing or empty file gives no entries, a damaged one what is valid.
	void open();
	//! Gives the variable the stored text of its exact name, when there is one.
	void load(IHXVariable* variable) const;
	//! Keeps the variable's value under its name.
	void store(IHXVariable* variable);
	//! Writes the file when something was stored. False when it could not be written.
	bool close();

	const std::map<std::string, std::string>& getEntries() const { return Entries; }

	//! The stored text for the entries (name=value lines in byte order of the names).
	static std::string encode(const std::map<std::string, std::string>& entries);
	//! The entries of a stored text; damaged (set to true, may be null) when it held characters
	//! that are not Base64.
	static std::map<std::string, std::string> decode(const std::string& text, bool* damaged = 0);

private:
	std::string FilePath;
	irr::ILogger* Logger;
	std::map<std::string, std::string> Entries;
	bool Changed;
};

#endif
