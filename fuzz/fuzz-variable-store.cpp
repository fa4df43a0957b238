// Feeds arbitrary bytes to the parser of the stored-variables file and loads a few names.
#include "actions/CHXPersistentVariableStore.h"
#include "actions/CVeskVariable.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
	const std::string text(reinterpret_cast<const char*>(data), size);
	bool damaged = false;
	const std::map<std::string, std::string> entries = CHXPersistentVariableStore::decode(text, &damaged);
	// Whatever was read must survive a write and a read unchanged.
	if (CHXPersistentVariableStore::decode(CHXPersistentVariableStore::encode(entries)) != entries)
		__builtin_trap();
	CVeskVariable variable;
	for (const auto& entry : entries)
	{
		variable.setName(entry.first.c_str());
		variable.setValueAsString(entry.second.c_str());
		variable.getValueAsFloat();
		variable.getValueAsInt();
	}
	return 0;
}
