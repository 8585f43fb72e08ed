#pragma once

#include <QtGlobal>

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlwriter.h>
#include <libxml/xpath.h>

namespace Corvane {

// How each libxml2 object type is freed.
template<typename T> struct XmlFree;

template<> struct XmlFree<xmlParserCtxt>
{
    static void free(xmlParserCtxt *p) { xmlFreeParserCtxt(p); }
};

template<> struct XmlFree<xmlDoc>
{
    static void free(xmlDoc *p) { xmlFreeDoc(p); }
};

template<> struct XmlFree<xmlXPathContext>
{
    static void free(xmlXPathContext *p) { xmlXPathFreeContext(p); }
};

template<> struct XmlFree<xmlXPathObject>
{
    static void free(xmlXPathObject *p) { xmlXPathFreeObject(p); }
};

template<> struct XmlFree<xmlTextWriter>
{
    static void free(xmlTextWriter *p) { xmlFreeTextWriter(p); }
};

template<> struct XmlFree<xmlBuffer>
{
    static void free(xmlBuffer *p) { xmlBufferFree(p); }
};

// Owns at most one libxml2 object and frees it with the library's function for its type.
template<typename T> class XmlPointer
{
public:
    explicit XmlPointer(T *p = nullptr) : px(p) { }
    ~XmlPointer() { release(); }
    XmlPointer(const XmlPointer &) = delete;
    XmlPointer &operator=(const XmlPointer &) = delete;

    // The held object; it must exist.
    T *get() const
    {
        Q_ASSERT(px != 0);
        return px;
    }

    T *operator->() const { return get(); }

    bool isNull() const { return px == nullptr; }

    // Frees the held object and takes `p`, which must not be the held object itself.
    void reset(T *p = nullptr)
    {
        Q_ASSERT(p == 0 || p != px);
        release();
        px = p;
    }

private:
    void release()
    {
        if (px)
            XmlFree<T>::free(px);
        px = nullptr;
    }

    T *px;
};

} // namespace Corvane
