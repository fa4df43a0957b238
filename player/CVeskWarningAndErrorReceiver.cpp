#include "player/CVeskWarningAndErrorReceiver.h"

using namespace irr;

void CVeskWarningAndErrorReceiver::addEntry(s32 code, s32 kind, const c8* name, const c8* text)
{
	CVeskWarningData entry;
	entry.Code = code;
	entry.Kind = kind;
	entry.Name = name ? name : "";
	entry.Text = text ? text : "";
	Entries.push_back(entry);
}

const CVeskWarningData* CVeskWarningAndErrorReceiver::getEntry(s32 index) const
{
	if (index < 0 || u32(index) >= Entries.size())
		return 0;
	return &Entries[index];
}
