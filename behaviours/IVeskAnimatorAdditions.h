#ifndef HX_I_VESK_ANIMATOR_ADDITIONS_H
#define HX_I_VESK_ANIMATOR_ADDITIONS_H

#include <irrTypes.h>

class IHXAction;

//! What the program adds to the engine's animator interface. Every behaviour class carries
//! it next to ISceneNodeAnimator; the engine's own animators do not, and the helpers in
//! veskBehaviours.h answer the defaults for them.
class IVeskAnimatorAdditions
{
public:
	//! Back to the run-time state just after loading; configured properties stay.
	virtual void restart() {}
	//! The first action of the given type in the behaviour's action lists.
	virtual IHXAction* getActionOfType(irr::s32 actionType) { return 0; }
	//! Stored references to node oldId refer to newId afterwards.
	virtual void replaceSceneNodeId(irr::s32 oldId, irr::s32 newId) {}
	//! Releases what the behaviour registered with an editing host.
	virtual void releaseEditorData() {}

protected:
	~IVeskAnimatorAdditions() {}
};

#endif
