#ifndef HX_C_VESK_ANIMATOR_ON_MOUSE_MOVE_H
#define HX_C_VESK_ANIMATOR_ON_MOUSE_MOVE_H

#include "behaviours/CVeskAnimatorOnClick.h"

namespace irr
{
namespace gui
{
class ICursorControl;
}
namespace scene
{

//! Runs one list when the cursor comes over its node and another when it leaves, checking
//! at most five times a second. The first check only learns where the cursor is.
class CVeskAnimatorOnMouseMove : public CVeskAnimatorOnClick
{
public:
	enum
	{
		//! Checks closer together than this are skipped.
		CHECK_INTERVAL_MS = 201
	};

	CVeskAnimatorOnMouseMove(ISceneManager* sceneManager, gui::ICursorControl* cursorControl);
	virtual ~CVeskAnimatorOnMouseMove();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	virtual IHXAction* getActionOfType(s32 actionType);
	virtual void replaceSceneNodeId(s32 oldId, s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	void setEnterActions(IHXActionHandler* actions);
	void setLeaveActions(IHXActionHandler* actions);
	IHXActionHandler* getEnterActions() const { return EnterActions; }
	IHXActionHandler* getLeaveActions() const { return LeaveActions; }

private:
	gui::ICursorControl* CursorControl;
	u32 LastCheckTime;
	bool Checked;
	bool LastInside;
	IHXActionHandler* EnterActions;
	IHXActionHandler* LeaveActions;
};

} // end namespace scene
} // end namespace irr

#endif
