#ifndef HX_C_VESK_WARNING_AND_ERROR_RECEIVER_H
#define HX_C_VESK_WARNING_AND_ERROR_RECEIVER_H

#include <IReferenceCounted.h>
#include <irrArray.h>
#include <irrString.h>

//! One entry handed from a loader to the player.
struct CVeskWarningData
{
	//! Kind of an embedded script file: name is the file's name, text its whole source.
	enum { KIND_EMBEDDED_SCRIPT = 2 };

	irr::s32 Code;
	irr::s32 Kind;
	irr::core::stringc Name;
	irr::core::stringc Text;
};

//! Collects entries while a document loads; the player reads them back afterwards.
class CVeskWarningAndErrorReceiver : public virtual irr::IReferenceCounted
{
public:
	//! A null name or text is stored as the empty string.
	void addEntry(irr::s32 code, irr::s32 kind, const irr::c8* name, const irr::c8* text);
	irr::s32 getEntryCount() const { return irr::s32(Entries.size()); }
	//! Null when index is negative or not below the count.
	const CVeskWarningData* getEntry(irr::s32 index) const;

private:
	irr::core::array<CVeskWarningData> Entries;
};

#endif
