#ifndef HX_C_VESK_ANIMATOR_TIMER_H
#define HX_C_VESK_ANIMATOR_TIMER_H

#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimator.h>

class IHXActionHandler;

namespace irr
{
namespace scene
{

//! Runs its list each time the interval has passed, at most once a frame; intervals missed
//! while the node was hidden are not made up. The first interval starts at the first frame.
class CVeskAnimatorTimer : public ISceneNodeAnimator, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions
{
public:
	explicit CVeskAnimatorTimer(ISceneManager* sceneManager);
	virtual ~CVeskAnimatorTimer();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	//! The interval starts again at the next frame.
	virtual void restart() { Started = false; }
	virtual IHXAction* getActionOfType(s32 actionType);
	virtual void replaceSceneNodeId(s32 oldId, s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	void setActions(IHXActionHandler* actions);
	IHXActionHandler* getActions() const { return Actions; }

	s32 IntervalMs;

private:
	ISceneManager* SceneManager;
	IHXActionHandler* Actions;
	u32 LastTime;
	bool Started;
};

} // end namespace scene
} // end namespace irr

#endif
