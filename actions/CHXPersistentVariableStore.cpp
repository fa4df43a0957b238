#include "actions/CHXPersistentVariableStore.h"

#include "actions/base64.h"
#include "platform/applicationSupportFolder.h"
#include "platform/wholeFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace irr;

namespace
{

//! The folder below the user's data folder that holds every application's store.
const char VENDOR_FOLDER[] = "Helixpane";

bool isKeyCharacter(char c)
{
	return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.';
}

bool writeAll(int descriptor, const std::string& text)
{
	size_t written = 0;
	while (written < text.size())
	{
		const ssize_t n = write(descriptor, text.data() + written, text.size() - written);
		if (n < 0 && errno == EINTR)
			continue;
		if (n <= 0)
			return false;
		written += size_t(n);
	}
	return true;
}

} // end anonymous namespace

CHXPersistentVariableStore::CHXPersistentVariableStore(const std::string& filePath, ILogger* logger)
	: FilePath(filePath), Logger(logger), Changed(false)
{
}

std::string CHXPersistentVariableStore::makeApplicationKey(const core::stringc& applicationTitle)
{
	if (applicationTitle.size() == 0)
		return "HelixpaneApp";
	std::string key(applicationTitle.c_str(), applicationTitle.size());
	for (size_t i = 0; i < key.size(); ++i)
		if (!isKeyCharacter(key[i]))
			key[i] = '_';
	return key;
}

std::string CHXPersistentVariableStore::makeStorePath(const core::stringc& applicationTitle)
{
	const core::stringc dataFolder = hx::platform::getApplicationSupportFolder();
	if (dataFolder.size() == 0)
		return std::string();
	const std::string vendorFolder = std::string(dataFolder.c_str()) + "/" + VENDOR_FOLDER;
	mkdir(dataFolder.c_str(), 0700);
	mkdir(vendorFolder.c_str(), 0700);
	return vendorFolder + "/." + makeApplicationKey(applicationTitle);
}

std::string CHXPersistentVariableStore::encode(const std::map<std::string, std::string>& entries)
{
	std::string text;
	for (std::map<std::string, std::string>::const_iterator it = entries.begin(); it != entries.end(); ++it)
		text += it->first + "=" + it->second + "\n";
	return encodeBase64(text);
}

std::map<std::string, std::string> CHXPersistentVariableStore::decode(const std::string& stored, bool* damaged)
{
	size_t consumed = 0;
	const std::string text = decodeBase64(stored, &consumed);
	if (damaged)
	{
		// What may follow the Base64 characters in a sound file: padding and a final line break.
		size_t end = consumed;
		while (end < stored.size() && (stored[end] == '=' || stored[end] == '\n' || stored[end] == '\r'))
			++end;
		*damaged = end != stored.size();
	}
	std::map<std::string, std::string> entries;
	size_t start = 0;
	while (start < text.size())
	{
		size_t end = text.find('\n', start);
		if (end == std::string::npos)
			end = text.size();
		const std::string line = text.substr(start, end - start);
		const size_t equals = line.find('=');
		if (equals != std::string::npos && equals > 0)
			entries[line.substr(0, equals)] = line.substr(equals + 1);
		start = end + 1;
	}
	return entries;
}

void CHXPersistentVariableStore::open()
{
	Entries.clear();
	Changed = false;
	std::string stored;
	if (FilePath.empty() || !hx::platform::readWholeFile(FilePath.c_str(), stored))
		return;
	bool damaged = false;
	Entries = decode(stored, &damaged);
	if (damaged && Logger)
		Logger->log("The stored variables are damaged; only the readable part was loaded:", FilePath.c_str(), ELL_WARNING);
}

void CHXPersistentVariableStore::load(IHXVariable* variable) const
{
	if (!variable)
		return;
	const std::map<std::string, std::string>::const_iterator found = Entries.find(variable->getName());
	if (found == Entries.end())
		return;
	const std::string value = found->second.substr(0, MAX_LOADED_VALUE_LENGTH);
	variable->setValueAsString(value.c_str());
}

void CHXPersistentVariableStore::store(IHXVariable* variable)
{
	if (!variable)
		return;
	Entries[variable->getName()] = variable->getValueAsString();
	Changed = true;
}

bool CHXPersistentVariableStore::close()
{
	if (!Changed || FilePath.empty())
		return !Changed;
	Changed = false;
	const std::string temporary = FilePath + ".writing";
	const int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
	if (descriptor < 0)
		return false;
	const bool written = writeAll(descriptor, encode(Entries)) && fsync(descriptor) == 0;
	const bool closed = ::close(descriptor) == 0;
	if (!written || !closed || rename(temporary.c_str(), FilePath.c_str()) != 0)
	{
		unlink(temporary.c_str());
		if (Logger)
			Logger->log("The variables could not be stored in", FilePath.c_str(), ELL_WARNING);
		return false;
	}
	return true;
}
