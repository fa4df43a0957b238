#ifndef HX_C_HX_ACTION_HANDLER_H
#define HX_C_HX_ACTION_HANDLER_H

#include "actions/IHXActionHandler.h"

#include <IrrlichtDevice.h>
#include <irrArray.h>

//! The action list. Its document record is chunk 29 holding one chunk 30 per action: the
//! action's type as an i32, then the action's payload.
class CHXActionHandler : public IHXActionHandler
{
public:
	enum
	{
		TAG_ACTION_LIST = 29,
		TAG_ACTION = 30,
		//! Lists inside actions inside lists deeper than this are skipped whole, so that a
		//! damaged document cannot exhaust the stack.
		MAX_NESTING_DEPTH = 32
	};

	//! The device (may be null, not grabbed) is handed to the quit actions the list creates.
	explicit CHXActionHandler(irr::IrrlichtDevice* device = 0);
	virtual ~CHXActionHandler();

	virtual IHXActionHandler* clone() const;
	virtual void runActions(irr::scene::ISceneNode* currentNode, irr::scene::ISceneManager* sceneManager);
	virtual irr::s32 getActionCount() const { return irr::s32(Actions.size()); }
	virtual IHXAction* getAction(irr::s32 index) const;
	virtual void addAction(IHXAction* action);
	virtual void removeActionAt(irr::s32 index);
	virtual void removeAction(IHXAction* action);
	virtual IHXAction* getActionOfType(irr::s32 type) const;
	virtual void insertAction(IHXAction* action, irr::s32 index);
	virtual IHXAction* createAction(irr::s32 type) const;
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId);

	virtual void writeBinary(CVeskSerializer* writer);
	//! Reads a list record. A record that is not a list is skipped and leaves the list as it
	//! was; unknown action chunks inside it are skipped.
	virtual void readBinary(CVeskDeserializer* reader);

	irr::IrrlichtDevice* getDevice() const { return Device; }

	//! How owners store a list: an i32 presence flag, then the record when the flag is not 0.
	//! Answers the list read (one reference for the caller), or null when none is present.
	static CHXActionHandler* readOptional(CVeskDeserializer* reader);
	static void writeOptional(CVeskSerializer* writer, IHXActionHandler* list);

private:
	CHXActionHandler(const CHXActionHandler&);
	CHXActionHandler& operator=(const CHXActionHandler&);

	void readActions(CVeskDeserializer* reader, long listEnd);

	irr::core::array<IHXAction*> Actions;
	irr::IrrlichtDevice* Device;
};

#endif
