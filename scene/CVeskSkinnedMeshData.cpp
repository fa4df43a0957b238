#include "scene/CVeskSkinnedMeshData.h"

#include <IAnimatedMesh.h>

#include <map>

using namespace irr;

namespace
{

typedef std::map<const scene::IAnimatedMesh*, CVeskSkinnedMeshData*> DataMap;

DataMap& registry()
{
	static DataMap entries;
	return entries;
}

void release(DataMap::iterator it)
{
	it->second->drop();
	const_cast<scene::IAnimatedMesh*>(it->first)->drop();
	registry().erase(it);
}

} // end anonymous namespace

CVeskSkinnedMeshData::CVeskSkinnedMeshData()
	: Flags(0), AnimationSpeed(0.f), CollisionBox(0, 0, 0, 0, 0, 0)
{
}

const SVeskAnimationRange* CVeskSkinnedMeshData::findRange(const c8* name) const
{
	if (!name)
		return 0;
	for (u32 i = 0; i < Ranges.size(); ++i)
		if (Ranges[i].Name == name)
			return &Ranges[i];
	return 0;
}

void CVeskSkinnedMeshData::attach(scene::IAnimatedMesh* mesh, CVeskSkinnedMeshData* data)
{
	if (!mesh)
		return;
	if (data)
	{
		data->grab();
		mesh->grab();
	}
	detach(mesh);
	if (data)
		registry()[mesh] = data;
}

CVeskSkinnedMeshData* CVeskSkinnedMeshData::find(const scene::IAnimatedMesh* mesh)
{
	DataMap::iterator it = registry().find(mesh);
	return it == registry().end() ? 0 : it->second;
}

void CVeskSkinnedMeshData::detach(scene::IAnimatedMesh* mesh)
{
	DataMap::iterator it = registry().find(mesh);
	if (it != registry().end())
		release(it);
}

void CVeskSkinnedMeshData::detachAll()
{
	while (!registry().empty())
		release(registry().begin());
}
