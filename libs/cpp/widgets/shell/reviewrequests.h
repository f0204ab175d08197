#pragma once

#include <QDate>

// The rule for asking the user for a review, kept apart from where the counts
// are stored.
//
// After three requests no further one is made until 367 days have passed
// since the last; then the counts start again. The first request after a
// start of the counts is made at once, later ones only on every second call
// (when the number of calls so far is even). A forced call makes a request
// whenever the counts allow one.
class ReviewRequests
{
public:
    static constexpr int MaximumRequests = 3;
    static constexpr int PauseDays = 367;

    int calls = 0; // calls counted since the counts started
    int count = 0; // requests made since the counts started
    QDate lastDate; // day of the last request

    // True when the stored counts say to make no more requests on day today.
    bool stopped(const QDate& today) const;
    // Counts one call on day today and tells whether a request is to be made
    // now (then count and lastDate are already updated). Returns false, and
    // counts nothing, while stopped.
    bool call(const QDate& today, bool force);
};
