#ifndef HX_ACTION_TEST_SUPPORT_H
#define HX_ACTION_TEST_SUPPORT_H

#include <irrlicht.h>

#include <functional>
#include <vector>

class CHXActionHandler;
class CVeskSerializer;
class IHXAction;

namespace hxtest
{

//! The bytes of a list record: chunk 29 holding what fill writes.
std::vector<irr::u8> actionListBytes(const std::function<void(CVeskSerializer*)>& fill);

//! Writes one action chunk 30: the type, then what payload writes.
void writeActionChunk(CVeskSerializer* writer, irr::s32 type, const std::function<void(CVeskSerializer*)>& payload);

//! A list read from bytes with the device (may be null); readEnd (may be null) is the reader's
//! position afterwards. One reference for the caller.
CHXActionHandler* readActionList(irr::IrrlichtDevice* device, const std::vector<irr::u8>& bytes, long* readEnd = 0);

//! The list record as the list writes it.
std::vector<irr::u8> writtenActionList(CHXActionHandler* list);

//! A list holding the action (which it grabs). One reference for the caller.
CHXActionHandler* listOf(IHXAction* action);

} // end namespace hxtest

#endif
