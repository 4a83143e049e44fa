#include "platform/ObjectFactory.h"

#include "platform/ReportError.h"

namespace tabulon {

std::unique_ptr<OutsideObject> ObjectFactory::CreateObject(const QString& progId)
{
    auto f = failing_.find(progId);
    if (f != failing_.end() && f->second)
        throwCannotCreate();
    auto m = makers_.find(progId);
    if (m == makers_.end())
        throwCannotCreate();
    std::unique_ptr<OutsideObject> o = m->second();
    if (!o)
        throwCannotCreate();
    return o;
}

void ObjectFactory::throwCannotCreate()
{
    throw ReportError::cannotCreateObject();
}

}  // namespace tabulon

namespace tabulon {

namespace {
std::map<QString, ObjectFactory::Maker>& standardMakers()
{
    static std::map<QString, ObjectFactory::Maker> makers;
    return makers;
}
}  // namespace

bool RegisterStandardObject(const QString& progId, ObjectFactory::Maker maker)
{
    standardMakers()[progId] = std::move(maker);
    return true;
}

std::unique_ptr<ObjectFactory> MakeStandardObjectFactory()
{
    auto factory = std::make_unique<ObjectFactory>();
    for (const auto& [progId, maker] : standardMakers())
        factory->registerMaker(progId, maker);
    return factory;
}

}  // namespace tabulon
