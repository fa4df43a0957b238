#ifndef HX_C_VESK_ANIMATOR_ON_FIRST_FRAME_H
#define HX_C_VESK_ANIMATOR_ON_FIRST_FRAME_H

#include "behaviours/IVeskAnimationDrawerSupport.h"
#include "behaviours/IVeskAnimatorAdditions.h"
#include "document/IVeskSerializationSupport.h"

#include <ISceneNodeAnimator.h>

class IHXActionHandler;

namespace irr
{
namespace scene
{

//! Runs its list on the first frame its node is animated, once per instance; in a reloaded
//! scene only when asked to.
class CVeskAnimatorOnFirstFrame : public ISceneNodeAnimator, public IVeskSerializationSupport,
	public IVeskAnimationDrawerSupport, public IVeskAnimatorAdditions
{
public:
	explicit CVeskAnimatorOnFirstFrame(ISceneManager* sceneManager);
	virtual ~CVeskAnimatorOnFirstFrame();

	virtual void animateNode(ISceneNode* node, u32 timeMs);
	virtual ISceneNodeAnimator* createClone(ISceneNode* node, ISceneManager* newManager = 0);
	virtual ESCENE_NODE_ANIMATOR_TYPE getType() const;
	virtual void serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options = 0);

	virtual void replaceSceneNodeId(s32 oldId, s32 newId);
	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

	void setActions(IHXActionHandler* actions);
	IHXActionHandler* getActions() const { return Actions; }

	bool AlsoOnReload;

private:
	ISceneManager* SceneManager;
	IHXActionHandler* Actions;
	bool Done;
};

} // end namespace scene
} // end namespace irr

#endif
