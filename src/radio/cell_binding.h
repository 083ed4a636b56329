#pragma once
// The part of the data model behind one or more cell identifiers. The evaluator routes
// each request to the binding registered for the cell's identifier.

namespace orvane {

struct CellEvaluation;

class CellBinding {
public:
    virtual ~CellBinding() = default;
    virtual void Evaluate(CellEvaluation& evaluation) = 0;
};

}  // namespace orvane
